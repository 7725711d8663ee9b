#!/usr/bin/env python3
"""Write the exported operations into the public module headers as plain
prototypes, one group per type with a one-line comment.

    gen_prototypes.py [--check] [ROOT]

The operations a type has are the names of the library's version script
(xmladdons/addons/simple/exports.map) that its families' naming rules give;
their signatures follow from the family and from how the type is passed
(a record by pointer, a simple value by value, a pattern-checked text as its
text). Every exported name must land in exactly one group. With --check the
headers are compared instead of written (exit 1 when they differ).
"""
import re
import sys
from pathlib import Path

BEGIN = "/* ---- operations: written by scripts/gen_prototypes.py from the export list ---- */"
END = "/* ---- end of operations ---- */"
WIDTH = 112

CTX = "RtContext* ctxt"
NAME_NS = "const OSUTF8CHAR* name, const RtXmlNamespace* ns"
SAX_START = "void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName, const OSUTF8CHAR* const* attrs"
SAX_END = "void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName"
SAX_CHARS = "void* handler, const OSUTF8CHAR* text, int len"


def record_ops(t):
    """Operations of a record type (passed by pointer), in header order."""
    return [
        ("int", f"PxInit_{t}", f"{CTX}, {t}* record"),
        ("void", f"PxMemFree_{t}", f"{CTX}, {t}* record"),
        ("void", f"PxPrint_{t}", f"const char* name, const {t}* record"),
        ("int", f"PxXmlET_{t}", f"{CTX}, const {t}* record, {NAME_NS}"),
        ("int", f"PxXmlET_{t}_StartElement", f"{CTX}, const {t}* record, {NAME_NS}"),
        ("int", f"PxXmlET_{t}_Contents", f"{CTX}, const {t}* record, const RtXmlNamespace* ns"),
        ("int", f"PxXmlET_{t}_EndElement", f"{CTX}, {NAME_NS}"),
        ("int", f"PxXmlET_{t}_Attrs", f"{CTX}, const {t}* record, const RtXmlNamespace* ns"),
        ("uint32_t", f"Px{t}_Append", f"{CTX}, {t}* list, void* item"),
        ("void", f"PxSAX_{t}_init", f"{CTX}, PxSaxHandler* handler, {t}* record, int level"),
        ("int", f"PxSAX_{t}_startElement", SAX_START),
        ("int", f"PxSAX_{t}_endElement", SAX_END),
        ("int", f"PxSAX_{t}_characters", SAX_CHARS),
        ("void", f"PxVSAX_{t}_init", f"{CTX}, PxSaxHandler* handler, int level"),
        ("int", f"PxVSAX_{t}_startElement", SAX_START),
        ("int", f"PxVSAX_{t}_endElement", SAX_END),
        ("int", f"PxVSAX_{t}_characters", SAX_CHARS),
    ]


def simple_ops(t, value):
    """Operations of a simple type whose value is passed as `value`."""
    return [
        ("const OSUTF8CHAR*", f"Px{t}_ToString", "uint16_t value"),
        ("int", f"Px{t}_ToEnum", "const OSUTF8CHAR* text, size_t len, uint16_t* value"),
        ("void", f"PxPrint_{t}", f"const char* name, {value}"),
        ("int", f"PxXmlET_{t}", f"{CTX}, {value}, {NAME_NS}"),
        ("int", f"PxXmlET_{t}_StartElement", f"{CTX}, {value}, {NAME_NS}"),
        ("int", f"PxXmlET_{t}_Contents", f"{CTX}, {value}, const RtXmlNamespace* ns"),
        ("int", f"PxXmlET_{t}_EndElement", f"{CTX}, {NAME_NS}"),
    ]


def document_ops(pe, t):
    return [
        ("int", f"PxXmlE_{pe}", f"{CTX}, {t}* record"),
        ("int", f"PxXmlE_{pe}_StartElement", f"{CTX}, {t}* record"),
        ("int", f"PxXmlE_{pe}_Contents", f"{CTX}, const {t}* record"),
        ("int", f"PxXmlE_{pe}_EndElement", f"{CTX}, const {t}* record"),
        ("int", f"PxXmlD_{pe}", f"{CTX}, {t}* record"),
        ("int", f"PxXmlV_{pe}", CTX),
    ]


def simple_document_ops(pe, t):
    return [
        ("int", f"PxXmlE_{pe}", f"{CTX}, const {t}* value"),
        ("int", f"PxXmlE_{pe}_StartElement", CTX),
        ("int", f"PxXmlE_{pe}_Contents", f"{CTX}, const {t}* value"),
        ("int", f"PxXmlE_{pe}_EndElement", CTX),
        ("int", f"PxXmlD_{pe}", f"{CTX}, {t}* value"),
        ("int", f"PxXmlV_{pe}", CTX),
    ]


# A group: (comment, candidate operations). Only exported candidates are written.
def R(t, comment, doc=None):
    ops = record_ops(t) + (document_ops(doc, t) if doc else [])
    return (f"{t}: {comment}", ops)


def V(t, comment):
    return (f"{t}: {comment}", simple_ops(t, f"{t} value"))


def X(t, comment):
    return (f"{t}: {comment}", simple_ops(t, "const OSUTF8CHAR* value"))


def D(pe, t, comment):
    return (f"{pe}: {comment}", simple_document_ops(pe, t))


def rpid_list(t, doc, what):
    return [
        R(t, f"{what}, the document and element", doc),
        R(f"{t}_2", f"{what}: unknown, or the list of values"),
        R(f"{t}_4", f"{what}: one item of the list of values"),
        R(f"{t}_5", f"{what}: one value (a named element, other, or foreign elements)"),
    ]


HEADERS = {
    "pidf.h": [
        V("tns_basic", "the basic status, an enumeration"),
        V("tns_qvalue", "a contact's priority, a decimal"),
        R("tns_presence", "the presence document: tuples, notes and foreign elements", "tns_presence"),
        R("tns_tuple", "one tuple: status, foreign elements, contact, notes, timestamp"),
        R("tns_status", "a tuple's status: the basic value and foreign elements"),
        R("tns_contact", "a contact address with its priority"),
        R("tns_note", "a note with its language"),
    ],
    "rpid.h": [
        V("rpid_activeIdle", "the value of user-input, an enumeration"),
        *rpid_list("rpid__activities", "rpid_activities", "activities"),
        *rpid_list("rpid__mood", "rpid_mood", "mood"),
        R("rpid__place_is", "the place's conditions for audio, video and text", "rpid_place_is"),
        R("rpid__place_is_audio", "place-is audio: noisy, ok, quiet or unknown"),
        R("rpid__place_is_video", "place-is video: toobright, ok, dark or unknown"),
        R("rpid__place_is_text", "place-is text: uncomfortable, inappropriate, ok or unknown"),
        R("rpid__place_type", "the type of place", "rpid_place_type"),
        R("rpid__place_type_2", "place-type: other, or foreign elements"),
        R("rpid__privacy", "who can hear, see or read", "rpid_privacy"),
        R("rpid__privacy_2", "privacy: unknown, or the media"),
        R("rpid__privacy_4", "privacy: the media and foreign elements"),
        R("rpid__sphere", "the sphere of activity (home, work, unknown, foreign elements)", "rpid_sphere"),
        R("rpid__relationship", "the relationship of a service's owner", "rpid_relationship"),
        R("rpid__relationship_2", "relationship: the value"),
        R("rpid__service_class", "the class of a service", "rpid_service_class"),
        R("rpid__service_class_2", "service-class: the value"),
        R("rpid__status_icon", "an icon's URI", "rpid_status_icon"),
        R("rpid__time_offset", "the offset from UTC in minutes", "rpid_time_offset"),
        R("rpid__user_input", "whether the user is active or idle", "rpid_user_input"),
        D("rpid_class", "RtXmlString", "the class of an element, a token (a document of simple type)"),
    ],
    "data_model.h": [
        R("Note_t", "a note with its language, under the owner's element name"),
        R("Timestamp_t", "a date-time text, under the owner's element name"),
        R("deviceID_t", "a device's URI, under the owner's element name"),
        R("dm__person", "a person: foreign elements, notes, timestamp", "dm_person"),
        R("dm__device", "a device: foreign elements, device ID, notes, timestamp", "dm_device"),
        D("dm_deviceID", "deviceID_t", "a device ID on its own (a document of simple type)"),
    ],
    "cipid.h": [
        D("cipid_card", "RtXmlString", "the URI of a contact card"),
        D("cipid_display_name", "RtXmlString", "the name to display, kept as written"),
        D("cipid_homepage", "RtXmlString", "the URI of a home page"),
        D("cipid_icon", "RtXmlString", "the URI of an icon"),
        D("cipid_map", "RtXmlString", "the URI of a map"),
        D("cipid_sound", "RtXmlString", "the URI of a sound"),
    ],
    "geopriv.h": [
        R("tns_geopriv", "a location object: location, usage rules, method, provider", "tns_geopriv"),
        R("tns_locInfoType", "location-info: one XML text per child element"),
        R("tns_locMethod", "how the location was determined, with its language"),
        R("tns_locProvidedBy", "provided-by: one XML text per child element"),
        R("gbp_locPolicyType", "usage rules: retransmission, retention, ruleset, note"),
        R("gbp_notewell", "a usage-rules note with its language"),
    ],
    "patch_ops.h": [
        V("pos", "where add puts its content, an enumeration"),
        V("ws", "which whitespace remove takes along, an enumeration"),
        X("xpath", "the selector of replace and remove"),
        X("xpath_add", "the selector of add"),
        X("type", "what add adds: an attribute or a namespace declaration"),
        R("add", "add content at a selected place"),
        R("replace", "replace a selected node"),
        R("remove_", "remove a selected node"),
    ],
    "partial_pidf.h": [
        R("partial__pidf_diff", "a versioned list of patch operations", "partial_pidf_diff"),
        R("partial__pidf_diff_1", "pidf-diff: one operation (add, replace or remove)"),
        R("partial__pidf_diff_2", "pidf-diff: one item of the list of operations"),
        R("partial__pidf_full", "a whole presence document with its version", "partial_pidf_full"),
    ],
    "rlmi.h": [
        V("rlmi__instance_state", "an instance's state, an enumeration"),
        R("rlmi__list", "a resource list: names and resources", "rlmi_list"),
        R("rlmi__resource", "a resource: names and instances", "rlmi_resource"),
        R("rlmi__instance", "an instance of a resource and its state", "rlmi_instance"),
        R("rlmi__name", "a name with its language", "rlmi_name"),
    ],
    "winfo.h": [
        V("tns__watcher_status", "a watcher's status, an enumeration"),
        V("tns__watcher_event", "what changed a watcher's status, an enumeration"),
        V("tns__watcherinfo_state", "full or partial watcher information, an enumeration"),
        R("tns__watcherinfo", "the watcher-information document", "tns_watcherinfo"),
        R("tns__watcher_list", "the watchers of one resource and package", "tns_watcher_list"),
        R("tns__watcher", "one watcher", "tns_watcher"),
    ],
    "caps.h": [
        V("tns_applicationtype", "a boolean capability"),
        V("tns_audiotype", "a boolean capability"),
        V("tns_automatatype", "a boolean capability"),
        V("tns_controltype", "a boolean capability"),
        V("tns_datatype", "a boolean capability"),
        V("tns_isfocustype", "a boolean capability"),
        V("tns_messagetype", "a boolean capability"),
        V("tns_texttype", "a boolean capability"),
        V("tns_videotype", "a boolean capability"),
        X("tns_typetype", "a MIME type"),
        R("tns_methodtypes", "SIP methods by name, and foreign elements"),
        R("tns_eventtypes", "event packages by name, and foreign elements"),
        R("tns_extensiontypes", "SIP extensions by name, and foreign elements"),
        R("tns_actortypes", "actors by name, and foreign elements"),
        R("tns_classtypes", "classes by name, and foreign elements"),
        R("tns_duplextypes", "duplex modes by name, and foreign elements"),
        R("tns_mobilitytypes", "mobility by name, and foreign elements"),
        R("tns_methodstype", "methods supported and not supported"),
        R("tns_event_packagestype", "event packages supported and not supported"),
        R("tns_extensionstype", "extensions supported and not supported"),
        R("tns_actortype", "actors supported and not supported"),
        R("tns_classtype", "classes supported and not supported"),
        R("tns_duplextype", "duplex modes supported and not supported"),
        R("tns_prioritytype", "priorities supported and not supported"),
        R("tns_mobilitytype", "mobility supported and not supported"),
        R("tns_languagestype", "languages supported and not supported"),
        R("tns_schemestype", "URI schemes supported and not supported"),
        R("tns_languagestype_supported", "the supported languages, one text each"),
        R("tns_languagestype_notsupported", "the languages not supported, one text each"),
        R("tns_schemestype_supported", "the supported URI schemes, one text each"),
        R("tns_schemestype_notsupported", "the URI schemes not supported, one text each"),
        R("tns_equalstype", "a priority equal to a value"),
        R("tns_higherthantype", "priorities above a value"),
        R("tns_lowerthantype", "priorities below a value"),
        R("tns_rangetype", "priorities within a range"),
        R("tns_prioritytypes", "priority values and foreign elements"),
        R("tns_descriptiontype", "a description with its language"),
        R("tns_servcapstype", "the capabilities of a service", "tns_servcaps"),
        R("tns_devcaps", "the capabilities of a device", "tns_devcaps"),
    ],
}


def exported_names(root):
    text = (root / "xmladdons/addons/simple/exports.map").read_text()
    return set(re.findall(r"^\s+([A-Za-z_][A-Za-z0-9_]*);", text, re.M))


def hand_written_names(root):
    """Operations declared by hand (the library frame)."""
    text = (root / "include/pxxml/simple/simple_global.h").read_text()
    return set(re.findall(r"^PX_API [^(]*?\b(Px\w+)\(", text, re.M))


def prototype(ret, name, params):
    line = f"PX_API {ret} {name}({params});"
    if len(line) <= WIDTH:
        return line
    head = f"PX_API {ret} {name}("
    pieces = [p.strip() for p in params.split(", ")]
    lines, current = [], head
    for i, piece in enumerate(pieces):
        piece += ");" if i == len(pieces) - 1 else ","
        if current != head and current[-1] != "(" and len(current) + 1 + len(piece) > WIDTH:
            lines.append(current)
            current = " " * len(head) + piece
        else:
            current += ("" if current.endswith("(") else " ") + piece
    lines.append(current)
    return "\n".join(lines)


def render(groups, exports, used):
    out = [BEGIN]
    for comment, ops in groups:
        present = [op for op in ops if op[1] in exports]
        if not present:
            sys.exit(f"gen_prototypes: no exported operation for group '{comment}'")
        out.append("")
        out.append(f"/* {comment} */")
        for ret, name, params in present:
            if name in used:
                sys.exit(f"gen_prototypes: {name} in two groups")
            used.add(name)
            out.append(prototype(ret, name, params))
    out.append("")
    out.append(END)
    return "\n".join(out)


def splice(text, block, path):
    start, end = text.find(BEGIN), text.find(END)
    if start < 0 or end < 0:
        sys.exit(f"gen_prototypes: {path} has no operations markers")
    return text[:start] + block + text[end + len(END):]


def main(argv):
    check = "--check" in argv
    args = [a for a in argv if a != "--check"]
    root = Path(args[0] if args else Path(__file__).resolve().parent.parent)
    exports = exported_names(root)
    used = set(hand_written_names(root))
    stale = []
    for header, groups in HEADERS.items():
        path = root / "include/pxxml/simple" / header
        text = path.read_text()
        new = splice(text, render(groups, exports, used), path)
        if new != text:
            if check:
                stale.append(str(path))
            else:
                path.write_text(new)
    missing = sorted(exports - used)
    extra = sorted(used - exports)
    if missing or extra:
        sys.exit(f"gen_prototypes: not declared: {missing}; declared but not exported: {extra}")
    if stale:
        print("prototypes out of date (run scripts/gen_prototypes.py):", *stale, sep="\n  ")
        return 1
    print(f"{len(used)} operations declared")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
