// The schema reader on small schemas written for the purpose: chameleon
// includes, imports and references, occurrences, extension of complex
// types, attribute groups and wildcards, facets with DTD entities, and the
// paths that name anonymous constructs.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>

#include "schema/xsd_model.h"

using namespace pxtest::xsd;

namespace {

const char* kPidf = "urn:ietf:params:xml:ns:pidf";
const char* kRlmi = "urn:ietf:params:xml:ns:rlmi";

// A folder of schema files, removed with the object.
class SchemaDir {
 public:
  SchemaDir() {
    char tmpl[] = "/tmp/px_xsd_XXXXXX";
    path_ = mkdtemp(tmpl);
  }
  ~SchemaDir() {
    for (const auto& f : files_) std::remove((path_ + "/" + f).c_str());
    rmdir(path_.c_str());
  }
  void write(const std::string& name, const std::string& text) {
    std::ofstream(path_ + "/" + name) << text;
    files_.push_back(name);
  }
  const std::string& path() const { return path_; }

 private:
  std::string path_;
  std::vector<std::string> files_;
};

const char* kCommon = R"(<?xml version="1.0"?>
<!DOCTYPE schema [<!ENTITY digit "[0-9]">]>
<xs:schema xmlns:xs="http://www.w3.org/2001/XMLSchema" elementFormDefault="qualified">
  <xs:complexType name="Note">
    <xs:simpleContent><xs:extension base="xs:string"><xs:attributeGroup ref="span"/></xs:extension></xs:simpleContent>
  </xs:complexType>
  <xs:attributeGroup name="span">
    <xs:attribute name="from" type="xs:dateTime"/>
    <xs:attribute name="until" type="xs:dateTime" use="required"/>
  </xs:attributeGroup>
  <xs:simpleType name="code">
    <xs:restriction base="xs:string"><xs:pattern value="&digit;{3}"/></xs:restriction>
  </xs:simpleType>
</xs:schema>)";

const char* kMain = R"(<?xml version="1.0"?>
<xs:schema targetNamespace="urn:ietf:params:xml:ns:pidf" xmlns="urn:ietf:params:xml:ns:pidf"
    xmlns:o="urn:ietf:params:xml:ns:rlmi" xmlns:xs="http://www.w3.org/2001/XMLSchema"
    elementFormDefault="qualified">
  <xs:include schemaLocation="common.xsd"/>
  <xs:import namespace="urn:ietf:params:xml:ns:rlmi" schemaLocation="other.xsd"/>
  <xs:complexType name="base">
    <xs:sequence><xs:element name="first" type="Note" minOccurs="0" maxOccurs="unbounded"/></xs:sequence>
    <xs:attribute name="id" type="xs:ID" use="required"/>
  </xs:complexType>
  <xs:element name="root">
    <xs:complexType>
      <xs:complexContent>
        <xs:extension base="base">
          <xs:choice>
            <xs:element ref="o:item"/>
            <xs:sequence maxOccurs="unbounded">
              <xs:element name="inner"><xs:complexType><xs:sequence>
                <xs:element name="leaf" type="code" maxOccurs="2"/>
              </xs:sequence></xs:complexType></xs:element>
              <xs:any namespace="##other" processContents="lax" minOccurs="0"/>
            </xs:sequence>
          </xs:choice>
          <xs:attribute ref="xml:lang"/>
          <xs:attribute name="kind">
            <xs:simpleType><xs:restriction base="xs:string">
              <xs:enumeration value="one"/><xs:enumeration value="two"/>
            </xs:restriction></xs:simpleType>
          </xs:attribute>
          <xs:anyAttribute/>
        </xs:extension>
      </xs:complexContent>
    </xs:complexType>
  </xs:element>
  <xs:group name="pair">
    <xs:sequence><xs:element name="x" type="xs:boolean"/><xs:element name="y" type="xs:int" minOccurs="0"/></xs:sequence>
  </xs:group>
  <xs:complexType name="grouped"><xs:sequence><xs:group ref="pair" maxOccurs="3"/></xs:sequence></xs:complexType>
  <xs:complexType name="open" mixed="true">
    <xs:sequence><xs:any minOccurs="0" maxOccurs="unbounded"/></xs:sequence>
  </xs:complexType>
</xs:schema>)";

const char* kOther = R"(<?xml version="1.0"?>
<xs:schema targetNamespace="urn:ietf:params:xml:ns:rlmi" xmlns="urn:ietf:params:xml:ns:rlmi"
    xmlns:xs="http://www.w3.org/2001/XMLSchema">
  <xs:include schemaLocation="common.xsd"/>
  <xs:element name="item" type="Note"/>
  <xs:complexType name="local"><xs:sequence><xs:element name="unqualified" type="xs:string"/></xs:sequence>
  </xs:complexType>
</xs:schema>)";

const char* kXml = R"(<?xml version="1.0"?>
<xs:schema targetNamespace="http://www.w3.org/XML/1998/namespace" xmlns:xs="http://www.w3.org/2001/XMLSchema">
  <xs:attribute name="lang" type="xs:language"/>
</xs:schema>)";

class XsdModel : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_.write("common.xsd", kCommon);
    dir_.write("main.xsd", kMain);
    dir_.write("other.xsd", kOther);
    dir_.write("xml.xsd", kXml);
    dir_.write("_all.xsd", "not read at all");
    std::string error;
    ASSERT_TRUE(schemas_.load(dir_.path(), &error)) << error;
  }
  SchemaSet::Node node(const std::string& path) {
    std::string error;
    SchemaSet::Node n = schemas_.resolve(path, &error);
    EXPECT_TRUE(n.type || n.particle) << path << ": " << error;
    return n;
  }
  SchemaDir dir_;
  SchemaSet schemas_;
};

TEST_F(XsdModel, ChameleonIncludesTakeTheIncludersNamespaceAndKeepOneDefinition) {
  EXPECT_EQ(schemas_.filesRead(), 4);
  const Type* mine = schemas_.type({kPidf, "Note"});
  const Type* theirs = schemas_.type({kRlmi, "Note"});
  ASSERT_TRUE(mine && theirs);
  EXPECT_NE(mine, theirs);
  EXPECT_EQ(mine->source, theirs->source);
  EXPECT_EQ(schemas_.type({"", "Note"}), nullptr);  // never read on its own
  // Simple content with the attribute group expanded in place.
  EXPECT_EQ(mine->content, Type::Content::Simple);
  EXPECT_EQ(mine->valueType->name.local, "string");
  ASSERT_EQ(mine->attributes.size(), 2u);
  EXPECT_EQ(mine->attributes[0].name, (QName{"", "from"}));
  EXPECT_FALSE(mine->attributes[0].required);
  EXPECT_TRUE(mine->attributes[1].required);
  EXPECT_EQ(mine->attributes[1].type->builtin()->name.local, "dateTime");
}

TEST_F(XsdModel, ExtensionPutsTheBaseFirstInContentAndAttributes) {
  const Type* root = node("element pidf:root").type;
  ASSERT_TRUE(root);
  EXPECT_EQ(root->content, Type::Content::ElementOnly);
  ASSERT_EQ(root->particle.kind, Particle::Kind::Sequence);
  ASSERT_EQ(root->particle.particles.size(), 2u);
  const Particle& first = root->particle.particles[0].particles[0];
  EXPECT_EQ(first.name, (QName{kPidf, "first"}));
  EXPECT_EQ(first.min, 0);
  EXPECT_EQ(first.max, kUnbounded);
  std::vector<std::string> attrs;
  for (const auto& a : root->attributes) attrs.push_back(a.name.str() + (a.required ? " required" : ""));
  EXPECT_EQ(attrs, (std::vector<std::string>{"{}id required", "{http://www.w3.org/XML/1998/namespace}lang", "{}kind"}));
  EXPECT_TRUE(root->anyAttribute);
  EXPECT_EQ(root->anyAttributeNamespace, "##any");
}

TEST_F(XsdModel, ReferencesWildcardsAndFacetsAreResolved) {
  const Particle* choice = node("element pidf:root/0/2").particle;
  ASSERT_TRUE(choice);
  EXPECT_EQ(choice->kind, Particle::Kind::Choice);
  const Particle& item = choice->particles[0];
  EXPECT_EQ(item.name, (QName{kRlmi, "item"}));
  EXPECT_EQ(item.type->source, schemas_.type({kRlmi, "Note"})->source);
  const Particle* repeated = node("element pidf:root/0/2/2").particle;
  ASSERT_TRUE(repeated);
  EXPECT_EQ(repeated->max, kUnbounded);
  const Particle& any = repeated->particles[1];
  EXPECT_EQ(any.kind, Particle::Kind::Any);
  EXPECT_EQ(any.anyNamespace, "##other");
  EXPECT_EQ(any.anyTargetNamespace, kPidf);
  EXPECT_EQ(any.processContents, "lax");
  EXPECT_EQ(any.min, 0);
  // The anonymous type of a local element, and its simple type's pattern
  // with the DTD entity expanded.
  const Type* inner = node("element pidf:root/inner").type;
  ASSERT_TRUE(inner);
  const Particle& leaf = inner->particle.particles[0];
  EXPECT_EQ(leaf.max, 2);
  EXPECT_EQ(leaf.type->patterns, (std::vector<std::string>{"[0-9]{3}"}));
  const Type* kind = node("element pidf:root@kind").type;
  ASSERT_TRUE(kind);
  EXPECT_EQ(kind->enumerations, (std::vector<std::string>{"one", "two"}));
  EXPECT_EQ(kind->builtin()->name.local, "string");
}

TEST_F(XsdModel, FormsAndMixedContent) {
  const Type* local = schemas_.type({kRlmi, "local"});
  ASSERT_TRUE(local);
  EXPECT_EQ(local->particle.particles[0].name, (QName{"", "unqualified"}));
  const Type* open = schemas_.type({kPidf, "open"});
  ASSERT_TRUE(open);
  EXPECT_EQ(open->content, Type::Content::Mixed);
  EXPECT_EQ(open->particle.particles[0].anyNamespace, "##any");
  EXPECT_EQ(open->particle.particles[0].processContents, "strict");
  const Type* empty = schemas_.type({kPidf, "base"});
  EXPECT_FALSE(empty->isEmptyType());
}

TEST_F(XsdModel, GroupReferencesStandForTheirModelGroupWithTheReferencesOccurrence) {
  const Type* grouped = schemas_.type({kPidf, "grouped"});
  ASSERT_TRUE(grouped);
  ASSERT_EQ(grouped->particle.particles.size(), 1u);
  const Particle& pair = grouped->particle.particles[0];
  EXPECT_EQ(pair.kind, Particle::Kind::Sequence);
  EXPECT_EQ(pair.min, 1);
  EXPECT_EQ(pair.max, 3);
  ASSERT_EQ(pair.particles.size(), 2u);
  EXPECT_EQ(pair.particles[1].name, (QName{kPidf, "y"}));
  EXPECT_EQ(pair.particles[1].min, 0);
  EXPECT_EQ(pair.particles[0].type->name.local, "boolean");
}

TEST_F(XsdModel, PathsThatNameNothingAreRefused) {
  for (const char* path : {"type pidf:nothing", "element pidf:base", "type nope:base", "element pidf:root/0/9",
                           "element pidf:root/missing", "element pidf:root@missing", "type pidf"}) {
    std::string error;
    SchemaSet::Node n = schemas_.resolve(path, &error);
    EXPECT_FALSE(n.type || n.particle) << path;
    EXPECT_FALSE(error.empty()) << path;
  }
}

TEST(XsdModelErrors, UnresolvedReferencesFailTheLoad) {
  SchemaDir dir;
  dir.write("broken.xsd", R"(<xs:schema xmlns:xs="http://www.w3.org/2001/XMLSchema" targetNamespace="urn:x"
      xmlns="urn:x"><xs:element name="e" type="missing"/></xs:schema>)");
  SchemaSet schemas;
  std::string error;
  EXPECT_FALSE(schemas.load(dir.path(), &error));
  EXPECT_NE(error.find("{urn:x}missing"), std::string::npos) << error;
  SchemaSet none;
  EXPECT_FALSE(none.load(dir.path() + "/absent", &error));
  EXPECT_EQ(error.rfind("no schema in", 0), 0u) << error;
}

}  // namespace
