/*
 * pxpresence: partial presence and composition over pxxmlSimple's documents.
 *
 *   pxpApply     applies a pidf-diff (XML patch operations over a presence
 *                document) to a stored state, a presence or a pidf-full
 *                document, and returns the new state in the same form;
 *   pxpGenerate  writes the pidf-diff that takes one version of a presence
 *                document to the next (or the full state when a diff would
 *                not be smaller);
 *   pxpCompose   merges the publications of one presentity into one
 *                presence document;
 *   pxpCompare   tells whether two documents are equal as namespace-aware
 *                trees.
 *
 * All inputs are UTF-8 XML texts with a length; results are texts the caller
 * releases with pxpTextFree. A call that fails returns a negative PXP_E_*
 * status and fills the caller's PxpError (when given): the error element name
 * of the XML patch framework where one applies ("unlocated-node", ...), a
 * message a person can act on, the failing operation's index and its line in
 * the patch document. A failed call changes nothing the caller holds.
 *
 * The in-memory tree is pugixml: it parses in place into a compact DOM at a
 * fraction of the cost of a SAX pass with callbacks, has a small, stable API,
 * is packaged by Debian, and parses, copies and writes without recursion. It
 * knows qualified names only; namespace resolution (scopes, default
 * namespace, declarations needed by moved content) is done by this library.
 *
 * Threads: calls share no state; any number may run at once.
 */
#ifndef PXXML_PRESENCE_H
#define PXXML_PRESENCE_H

#include <stddef.h>
#include <stdint.h>

#include "pxxml/rt.h"

#if defined(PXPRESENCE_BUILD)
#define PXP_API __attribute__((visibility("default")))
#else
#define PXP_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Statuses. The first group are the error conditions of the XML patch
 * framework, reported under their own element names (pxpErrorName). */
enum {
  PXP_OK = 0,
  PXP_E_INVALID_ATTRIBUTE_VALUE = -1,      /* "invalid-attribute-value" */
  PXP_E_INVALID_CHARACTER_SET = -2,        /* "invalid-character-set" */
  PXP_E_INVALID_DIFF_FORMAT = -3,          /* "invalid-diff-format" */
  PXP_E_INVALID_ENTITY_DECLARATION = -4,   /* "invalid-entity-declaration" */
  PXP_E_INVALID_NAMESPACE_PREFIX = -5,     /* "invalid-namespace-prefix" */
  PXP_E_INVALID_NAMESPACE_URI = -6,        /* "invalid-namespace-uri" */
  PXP_E_INVALID_NODE_TYPES = -7,           /* "invalid-node-types" */
  PXP_E_INVALID_PATCH_DIRECTIVE = -8,      /* "invalid-patch-directive" */
  PXP_E_INVALID_ROOT_ELEMENT_REMOVAL = -9, /* "invalid-root-element-removal" */
  PXP_E_INVALID_XML_PROLOG_OR_EPILOG = -10,/* "invalid-xml-prolog-or-epilog" */
  PXP_E_INVALID_WHITESPACE_DIRECTIVE = -11,/* "invalid-whitespace-directive" */
  PXP_E_UNLOCATED_NODE = -12,              /* "unlocated-node" */
  PXP_E_UNSUPPORTED_ID_FUNCTION = -13,     /* "unsupported-id-function" */
  PXP_E_UNSUPPORTED_XML_ID = -14,          /* "unsupported-xml-id" (never raised: xml:id is plain data here) */
  /* Conditions of this library. */
  PXP_E_OUT_OF_SEQUENCE = -20,  /* "out-of-sequence": diff version is not the stored version + 1; send full state */
  PXP_E_INVALID_DOCUMENT = -21, /* "invalid-document": an input is not a well-formed presence or pidf-full document */
  PXP_E_LIMIT_EXCEEDED = -22,   /* "limit-exceeded": document size or nesting depth over the limit, or a diff
                                   whose operations would walk far more of the state than its size (send full state) */
  PXP_E_ENTITY_MISMATCH = -23,  /* "entity-mismatch": composed documents name different presentities */
  PXP_E_NO_MEMORY = -24,        /* "no-memory" */
  PXP_E_BAD_ARGUMENT = -25      /* "bad-argument": null pointer or impossible argument */
};

/* Name of a status ("unlocated-node"), "ok" for 0, "unknown" otherwise. */
PXP_API const char* pxpErrorName(int status);

/* Where and why a call failed. */
typedef struct PxpError {
  int status;        /* PXP_E_*, 0 when the call succeeded */
  const char* name;  /* pxpErrorName(status) */
  int document;      /* input the failure concerns (0 first), -1 none */
  int operation;     /* index of the failing patch operation (0 first), -1 none */
  int line;          /* line of that operation, or of the input error, 1 first; 0 unknown */
  char message[256]; /* what went wrong, for people */
} PxpError;

/* Limits of untrusted input. A context's limits (rtxSetLimit) are used when
 * one is given; otherwise the fields, where 0 means the runtime's default
 * (64 MiB per document, 256 levels of nesting). A null PxpOptions* means
 * all defaults. Nesting is never allowed past 10,000 levels, where the tree
 * library's recursive release of removed subtrees stays within a thread's
 * stack. */
typedef struct PxpOptions {
  RtContext* context;
  size_t maxDocumentSize;
  size_t maxDepth;
} PxpOptions;

/* Result text, NUL-terminated; released with pxpTextFree. */
typedef enum PxpKind { PXP_KIND_PRESENCE = 0, PXP_KIND_FULL = 1, PXP_KIND_DIFF = 2 } PxpKind;
typedef struct PxpText {
  char* data;
  size_t length;
  PxpKind kind; /* what the text is */
} PxpText;
PXP_API void pxpTextFree(PxpText* text);

/* Apply `diff` to `state`. The state is a presence or a pidf-full document;
 * the result has the same form (a pidf-full takes the diff's version). When
 * both carry a version, a diff whose version is not the state's + 1 is
 * refused with PXP_E_OUT_OF_SEQUENCE; a diff without a version is applied as
 * it stands. A pidf-full given as `diff` is new full state and replaces the
 * stored one. */
PXP_API int pxpApply(const char* state, size_t stateLength, const char* diff, size_t diffLength,
                     const PxpOptions* options, PxpText* result, PxpError* error);

/* Version handling of pxpGenerate. */
typedef struct PxpGenerateOptions {
  PxpOptions limits;
  int hasVersion;   /* use `version` for the diff; otherwise the old state's version + 1 when it has one */
  uint32_t version;
} PxpGenerateOptions;

/* The pidf-diff from `oldState` to `newState` (presence or pidf-full
 * documents): tuples, persons and devices matched by id, changed ones
 * replaced, new ones added, gone ones removed, other root children by
 * position, root attributes replaced. When the diff would be larger than
 * `newState`, or the documents cannot be matched that way, the result is the
 * new state as a pidf-full (kind PXP_KIND_FULL), which pxpApply accepts too. */
PXP_API int pxpGenerate(const char* oldState, size_t oldLength, const char* newState, size_t newLength,
                        const PxpGenerateOptions* options, PxpText* result, PxpError* error);

/* One input of pxpCompose. */
typedef struct PxpInput {
  const char* data;
  size_t length;
} PxpInput;

/* One presence document from the publications of one presentity: tuples,
 * persons and devices kept by id (on a collision the newer by timestamp
 * wins, else the later input), presence-level notes kept (exact duplicates
 * once), every other extension element kept with the namespace declarations
 * it needs. Output order tuple*, note*, extensions, as the PIDF schema asks. */
PXP_API int pxpCompose(const PxpInput* inputs, size_t count, const PxpOptions* options, PxpText* result,
                       PxpError* error);

/* Equality as namespace-aware trees: element and attribute names by local
 * name and namespace URI, attribute values, text; prefixes, namespace
 * declarations, comments, processing instructions and whitespace-only text
 * are ignored. Sets *equal to 1 or 0; when they differ and `error` is given,
 * its message names the first difference (status stays 0). */
PXP_API int pxpCompare(const char* a, size_t aLength, const char* b, size_t bLength, const PxpOptions* options,
                       int* equal, PxpError* error);

#ifdef __cplusplus
}
#endif

#endif /* PXXML_PRESENCE_H */
