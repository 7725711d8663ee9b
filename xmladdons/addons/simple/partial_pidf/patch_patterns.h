// The patterns of the patch operations' attribute types, exactly as the
// schema gives them (XML Schema regular expressions: whole-value match).
#ifndef PXS_PATCH_OPS_PATTERNS_H
#define PXS_PATCH_OPS_PATTERNS_H

namespace pxs::patch {

// An XPath selector: a node to replace or remove (also @attribute and
// namespace::prefix as the final step).
inline constexpr const char* kXpathPattern =
    R"re((/)?((id\(('\i\c*')?\)|id\(("\i\c*")?\))((/((\i\c*:)?\i\c*|\*)(\[@(\i\c*:)?\i\c*='(.)*'\]|\[@(\i\c*:)?\i\c*="(.)*"\]|\[((\i\c*:)?\i\c*|\.)='(.)*'\]|\[((\i\c*:)?\i\c*|\.)="(.)*"\]|\[\d+\])*)*(/((text\(\)(\[\d+\])?)|(comment\(\)(\[\d+\])?)|((processing-instruction\(('\i\c*')?\)|processing-instruction\(("\i\c*")\))(\[\d+\])?)|((\i\c*:)?\i\c*|\*)(\[@(\i\c*:)?\i\c*='(.)*'\]|\[@(\i\c*:)?\i\c*="(.)*"\]|\[((\i\c*:)?\i\c*|\.)='(.)*'\]|\[((\i\c*:)?\i\c*|\.)="(.)*"\]|\[\d+\])*|@(\i\c*:)?\i\c*|namespace::\i\c*)))?|(((\i\c*:)?\i\c*|\*)(\[@(\i\c*:)?\i\c*='(.)*'\]|\[@(\i\c*:)?\i\c*="(.)*"\]|\[((\i\c*:)?\i\c*|\.)='(.)*'\]|\[((\i\c*:)?\i\c*|\.)="(.)*"\]|\[\d+\])*/)*(((text\(\)(\[\d+\])?)|(comment\(\)(\[\d+\])?)|((processing-instruction\(('\i\c*')?\)|processing-instruction\(("\i\c*")\))(\[\d+\])?)|((\i\c*:)?\i\c*|\*)(\[@(\i\c*:)?\i\c*='(.)*'\]|\[@(\i\c*:)?\i\c*="(.)*"\]|\[((\i\c*:)?\i\c*|\.)='(.)*'\]|\[((\i\c*:)?\i\c*|\.)="(.)*"\]|\[\d+\])*|@(\i\c*:)?\i\c*|namespace::\i\c*))))re";

// An XPath selector of the place to add content: an element, or a text,
// comment or processing-instruction node.
inline constexpr const char* kXpathAddPattern =
    R"re((/)?((id\(('\i\c*')?\)|id\(("\i\c*")?\))((/((\i\c*:)?\i\c*|\*)(\[@(\i\c*:)?\i\c*='(.)*'\]|\[@(\i\c*:)?\i\c*="(.)*"\]|\[((\i\c*:)?\i\c*|\.)='(.)*'\]|\[((\i\c*:)?\i\c*|\.)="(.)*"\]|\[\d+\])*)*(/(text\(\)(\[\d+\])?)|(comment\(\)(\[\d+\])?)|((processing-instruction\(('\i\c*')?\)|processing-instruction\(("\i\c*")\))(\[\d+\])?)|((\i\c*:)?\i\c*|\*)(\[@(\i\c*:)?\i\c*='(.)*'\]|\[@(\i\c*:)?\i\c*="(.)*"\]|\[((\i\c*:)?\i\c*|\.)='(.)*'\]|\[((\i\c*:)?\i\c*|\.)="(.)*"\]|\[\d+\])*))?|(((\i\c*:)?\i\c*|\*)(\[@(\i\c*:)?\i\c*='(.)*'\]|\[@(\i\c*:)?\i\c*="(.)*"\]|\[((\i\c*:)?\i\c*|\.)='(.)*'\]|\[((\i\c*:)?\i\c*|\.)="(.)*"\]|\[\d+\])*/)*((text\(\)(\[\d+\])?)|(comment\(\)(\[\d+\])?)|((processing-instruction\(('\i\c*')?\)|processing-instruction\(("\i\c*")\))(\[\d+\])?)|((\i\c*:)?\i\c*|\*)(\[@(\i\c*:)?\i\c*='(.)*'\]|\[@(\i\c*:)?\i\c*="(.)*"\]|\[((\i\c*:)?\i\c*|\.)='(.)*'\]|\[((\i\c*:)?\i\c*|\.)="(.)*"\]|\[\d+\])*)))re";

// The attribute or namespace declaration an add creates.
inline constexpr const char* kTypePattern = R"re(@(\i\c*:)?\i\c*|namespace::\i\c*)re";

}  // namespace pxs::patch

#endif
