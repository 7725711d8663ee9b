/*
 * pxxmlCommon: the XML runtime under pxxmlSimple.
 *
 * One context (RtContext) owns everything a document needs: the memory heap
 * that decoded records live in, the output buffer encoders write to, the
 * error list, the namespace scopes and the XML reader. A context belongs to
 * one thread at a time; different contexts are independent. The runtime keeps
 * no process-wide mutable state.
 *
 * Status convention: 0 is success, a negative value is a failure (see the
 * ST_* codes below). A runtime call that fails records its own error entry
 * unless its comment says otherwise.
 */
#ifndef PXXML_RT_H
#define PXXML_RT_H

#include <stddef.h>
#include <stdint.h>
#include <string.h>

#if defined(PXXMLCOMMON_BUILD)
#define RT_API __attribute__((visibility("default")))
#else
#define RT_API
#endif

/* Calls made only when something failed: compilers keep the code around
 * them out of the way of the paths that succeed. */
#if defined(__GNUC__)
#define RT_COLD __attribute__((cold))
#else
#define RT_COLD
#endif

#ifdef __cplusplus
extern "C" {
#endif

typedef unsigned char OSBOOL;
typedef unsigned char OSUTF8CHAR;

/* ---------------------------------------------------------------- statuses */

enum {
  ST_OK = 0,
  ST_BUFFER_FULL = -1,          /* output buffer cannot take the next bytes */
  ST_BAD_ARGUMENT = -2,         /* null pointer or impossible argument */
  ST_NAME_MISMATCH = -3,        /* element name differs from the expected one */
  ST_ENUM_UNKNOWN = -4,         /* text is not one of an enumeration's texts */
  ST_INVALID_UTF8 = -5,         /* text is not valid UTF-8 */
  ST_XML_MALFORMED = -6,        /* input is not well-formed XML */
  ST_DOCTYPE_REFUSED = -7,      /* input carries a document type declaration */
  ST_TOO_DEEP = -8,             /* element nesting exceeds the context's limit */
  ST_BAD_CHOICE = -9,           /* choice tag names no alternative */
  ST_NO_MEMORY = -10,           /* allocation failed or heap limit reached */
  ST_BAD_CONTEXT = -11,         /* context missing or not initialised */
  ST_BAD_VALUE = -12,           /* text is not a valid lexical form of its type */
  ST_OUT_OF_RANGE = -13,        /* number does not fit its type */
  ST_IO = -14,                  /* input file cannot be read */
  ST_TOO_LARGE = -15,           /* document exceeds the context's size limit */
  ST_CONSTRAINT = -16,          /* count or value below its minimum */
  ST_MISSING_ATTRIBUTE = -17,   /* required attribute absent */
  ST_ELEMENT_NOT_EXPECTED = -18,/* child element not allowed at this place */
  ST_UNEXPECTED_ATTRIBUTE = -19,/* attribute on an element that takes none */
  ST_NO_INPUT = -20,            /* no document given to the context */
  ST_BAD_NAMESPACE = -21,       /* namespace declaration or prefix unusable */
  ST_BAD_PATTERN = -22,         /* XML Schema pattern cannot be compiled */
  ST_UNSUPPORTED_ENCODING = -23,/* document is not in UTF-8 (or US-ASCII) */
  ST_READER_FAILED = -26,       /* XML reader cannot be created */
  ST_UNKNOWN_ATTRIBUTE = -33,   /* undeclared attribute */
  ST_PATTERN_MISMATCH = -35,    /* value does not match its pattern */
  ST_UNEXPECTED_ELEMENT = -41,  /* element where the content allows none */
  ST_BAD_CONTENT = -44,         /* element text does not convert */
  ST_BAD_ATTRIBUTE_VALUE = -45, /* attribute text does not convert */
  ST_NOT_SUPPORTED = -60        /* operation not offered */
};

/* Name of a status ("ST_BUFFER_FULL"), "ST_UNKNOWN" for other values. */
RT_API const char* rtxStatusName(int status);
/* One-line description of a status, for people. */
RT_API const char* rtxStatusText(int status);

/* ----------------------------------------------------------- record pieces */

/* A text value: CDATA flag (encode as a CDATA section when 1), then the
 * NUL-terminated UTF-8 text. */
typedef struct RtXmlString {
  OSBOOL cdata;
  const OSUTF8CHAR* value;
} RtXmlString;

typedef struct RtDListNode {
  void* data;
  struct RtDListNode* next;
  struct RtDListNode* prev;
} RtDListNode;

typedef struct RtDList {
  uint32_t count;
  RtDListNode* head;
  RtDListNode* tail;
} RtDList;

/* Namespace pair handed to encoders: prefix (null: look up / default), URI. */
typedef struct RtXmlNamespace {
  const OSUTF8CHAR* prefix;
  const OSUTF8CHAR* uri;
} RtXmlNamespace;

/* An attribute kept by an attribute wildcard: its name as written and its
 * value. For a prefixed name the decoder also keeps the namespace the prefix
 * was bound to (nsUri, else null), so that writing the pair back on another
 * start tag can declare the prefix; pairs built by hand may leave it null. */
typedef struct RtNameValue {
  const OSUTF8CHAR* name;
  const OSUTF8CHAR* value;
  const OSUTF8CHAR* nsUri;
} RtNameValue;

/* Entry of an enumeration text table, sorted by text (ascending bytes). */
typedef struct RtEnumItem {
  const OSUTF8CHAR* name;
  int32_t value;
  uint16_t namelen;
  uint16_t transidx;
} RtEnumItem;

/* How rtXmlEncDecimal spells a decimal; -1 means "no limit". */
typedef struct RtDecimalFormat {
  int8_t totalDigits;
  int8_t fractionDigits;
  int8_t minFractionDigits;
  int8_t maxIntegerDigits;
  int8_t minIntegerDigits;
  OSBOOL signPresent;  /* always write a sign */
  OSBOOL pointPresent; /* always write a decimal point */
  uint8_t nPatterns;
  const char* const* patterns; /* the text must match one of them, if any */
} RtDecimalFormat;

/* Broken-down xs:dateTime. */
typedef struct RtDateTime {
  int64_t year;
  uint8_t mon, day, hour, min;
  double sec;
  OSBOOL tz_flag;  /* a zone was given */
  int16_t tzo;     /* zone offset in minutes */
} RtDateTime;

/* ----------------------------------------------------------------- context */

/* A byte buffer with a write/read index. */
typedef struct RtBuffer {
  OSUTF8CHAR* data;
  size_t byteIndex;
  size_t size;
  OSBOOL dynamic; /* grows on demand (else a fixed caller buffer) */
  OSBOOL flags;   /* decode input: cleared when a text becomes the input */
} RtBuffer;

/* The character-data buffer: collected text of the current element. */
typedef struct RtMemBuf {
  OSUTF8CHAR* data;
  size_t bufsize;
  size_t startidx; /* first unread byte */
  size_t usedcnt;  /* bytes collected after startidx */
} RtMemBuf;

struct RtContextImpl;
typedef struct RtContext RtContext;
typedef void (*RtGlobalFreeFn)(RtContext* ctxt);

/* Flags word bits. */
#define RT_FLAG_NO_OWN_NAMESPACE 0x400u /* document encoders keep the caller's prefixes */
/* Decoders and validators take a child element that stands only out of its
 * schema order (it would fit a member that can still take it) without
 * recording an error: real clients write, for example, their data-model
 * person before their tuples. Off by default, where such a child is still
 * decoded into its member but the refusal is recorded, so that the document
 * fails as a whole. Every other error is recorded either way. */
#define RT_FLAG_ACCEPT_ANY_ORDER 0x800u

/* Parse-state byte values shared by handlers and encoders. */
#define RT_STATE_START_TAKEN 2
#define RT_STATE_TAG_OPEN 3
#define RT_STATE_IN_TEXT 4
#define RT_STATE_ENDED 5

struct RtContext {
  RtBuffer buffer;       /* output buffer (encoding) */
  RtBuffer input;        /* decode input: the text being converted */
  uint32_t flags;        /* RT_FLAG_* */
  uint8_t state;         /* parse-state byte, RT_STATE_* */
  RtMemBuf charData;     /* character-data buffer of the handlers */
  void* pGlobalData;     /* a library's per-context block */
  RtGlobalFreeFn gdFree; /* releases pGlobalData; run by rtxFreeContext */
  struct RtContextImpl* impl;
};

/* Set up a context (zeroed storage expected) / a context on the heap. */
RT_API int rtxInitContext(RtContext* ctxt);
RT_API RtContext* rtxNewContext(void);
/* Run the global release hook, release heap, reader and buffers. */
RT_API void rtxFreeContext(RtContext* ctxt);
RT_API void rtxDeleteContext(RtContext* ctxt); /* rtxFreeContext + free */
/* 0 when the context can be used. Records nothing. */
RT_API int rtxCheckContext(RtContext* ctxt);

/* Document to decode: a memory buffer (kept by pointer, the caller keeps it
 * alive until the decode returns) or a file (read into the context). */
RT_API int rtxSetInputBuffer(RtContext* ctxt, const void* data, size_t size);
RT_API int rtxSetInputFile(RtContext* ctxt, const char* path);
/* Make a text the decode input for the converters (rtXmlDec*). */
RT_API int rtxInitContextBuffer(RtContext* ctxt, const OSUTF8CHAR* data, size_t size);

/* Output buffer: growing (default) or a fixed caller buffer. */
RT_API int rtxSetGrowingOutput(RtContext* ctxt);
RT_API int rtxSetFixedOutput(RtContext* ctxt, OSUTF8CHAR* buf, size_t size);
RT_API void rtxResetOutput(RtContext* ctxt);                   /* index 0 */
RT_API const char* rtxGetOutput(RtContext* ctxt, size_t* len); /* NUL-terminated */
/* 0 when n more bytes fit (a growing buffer grows). Records nothing. */
RT_API int rtxCheckBuffer(RtContext* ctxt, size_t n);

/* Limits a server can set; 0 restores the default. */
typedef enum RtLimit {
  RT_LIMIT_ERRORS,        /* errors recorded by decoders (default 100) */
  RT_LIMIT_DEPTH,         /* element nesting (default 256) */
  RT_LIMIT_DOCUMENT_SIZE, /* bytes of one document (default 64 MiB) */
  RT_LIMIT_HEAP           /* bytes held by the context heap (default unlimited) */
} RtLimit;
RT_API int rtxSetLimit(RtContext* ctxt, RtLimit which, size_t value);
RT_API size_t rtxGetLimit(RtContext* ctxt, RtLimit which);

/* -------------------------------------------------------------------- heap */

/* Blocks are aligned to 8 bytes, enough for every member of a record. */
RT_API void* rtxMemHeapAlloc(RtContext* ctxt, size_t nbytes);
RT_API void* rtxMemHeapAllocZ(RtContext* ctxt, size_t nbytes);
RT_API void rtxMemHeapFreePtr(RtContext* ctxt, const void* p);
RT_API OSUTF8CHAR* rtxUTF8Strdup(RtContext* ctxt, const OSUTF8CHAR* text);
RT_API OSUTF8CHAR* rtxUTF8Strndup(RtContext* ctxt, const OSUTF8CHAR* text, size_t n);
/* Drop every block at once, keeping one page for the next document. */
RT_API void rtxMemReset(RtContext* ctxt);
/* Drop every block and every page. */
RT_API void rtxMemFree(RtContext* ctxt);
/* Bytes held in pages by the heap (for tests and soak runs). */
RT_API size_t rtxMemHeapPageBytes(RtContext* ctxt);
RT_API size_t rtxMemHeapLiveBlocks(RtContext* ctxt);
/* Test hook: the n-th allocation from now fails (0 switches it off). */
RT_API void rtxMemHeapFailAfter(RtContext* ctxt, size_t n);

/* ------------------------------------------------------------------- lists */

RT_API void rtxDListInit(RtDList* list);
/* Append at the tail; the node comes from the context heap (null: no memory). */
RT_API RtDListNode* rtxDListAppend(RtContext* ctxt, RtDList* list, void* data);
/* Append a new block of nbytes, zero-filled, at the tail: the block and its
 * node come from the context heap, each freed like any other. Returns the
 * block; null when there is no memory, with nothing appended or kept. */
RT_API void* rtxDListAppendNew(RtContext* ctxt, RtDList* list, size_t nbytes);
/* Free every node and the data it points to; the list becomes empty. */
RT_API void rtxDListFreeAll(RtContext* ctxt, RtDList* list);
/* Free the nodes only. */
RT_API void rtxDListFreeNodes(RtContext* ctxt, RtDList* list);

/* ------------------------------------------------------------- error list */

/* Parameters for the next new entry. */
RT_API RT_COLD int rtxErrAddStrParm(RtContext* ctxt, const char* text);
RT_API RT_COLD int rtxErrAddStrnParm(RtContext* ctxt, const char* text, size_t len);
RT_API RT_COLD int rtxErrAddIntParm(RtContext* ctxt, int value);
RT_API RT_COLD int rtxErrAddUIntParm(RtContext* ctxt, unsigned int value);
RT_API RT_COLD int rtxErrAddInt64Parm(RtContext* ctxt, int64_t value);
RT_API RT_COLD int rtxErrAddCtxtBufParm(RtContext* ctxt); /* the decode input */
/* Open a new entry with the pending parameters and a first position. */
RT_API RT_COLD int rtxErrSetNewData(RtContext* ctxt, int status, const char* file, int line);
/* Add a position to the newest entry when it holds this status (a failure
 * passed outwards); open a new entry otherwise. Returns status. */
RT_API RT_COLD int rtxErrSetData(RtContext* ctxt, int status, const char* file, int line);
RT_API int rtxErrGetFirstError(RtContext* ctxt);
RT_API int rtxErrGetLastError(RtContext* ctxt);
RT_API void rtxErrReset(RtContext* ctxt); /* entries, pending parameters, counter */

/* Reading the list. */
RT_API int rtxErrGetCount(RtContext* ctxt);
RT_API int rtxErrGetStatus(RtContext* ctxt, int entry);
RT_API int rtxErrGetParmCount(RtContext* ctxt, int entry);
RT_API const char* rtxErrGetParm(RtContext* ctxt, int entry, int parm);
RT_API int rtxErrGetPosCount(RtContext* ctxt, int entry);
RT_API const char* rtxErrGetPosFile(RtContext* ctxt, int entry, int pos);
RT_API int rtxErrGetPosLine(RtContext* ctxt, int entry, int pos);
/* Where in the document an entry was recorded, for entries recorded while
 * the reader parses: the line and the column (both from 1) of the event
 * being handled -- the start of the start tag, of the end tag or of the text
 * run -- or of the offending byte when the document itself is at fault.
 * Columns count characters (a multi-byte UTF-8 character or a tab is one);
 * LF, CR LF and a lone CR each end a line. 0 for entries recorded outside a
 * parse. */
RT_API int rtxErrGetLine(RtContext* ctxt, int entry);
RT_API int rtxErrGetColumn(RtContext* ctxt, int entry);
/* Entries that were not stored because the list was full. */
RT_API int rtxErrGetDropped(RtContext* ctxt);
/* Printable form of the whole list, one entry a line:
 *   ST_NAME (-n): description; parameters "a", "b"; at file:line <- file:line
 * preceded by "line L, column C: " for entries that have a document position.
 * Writes at most size-1 bytes and a NUL; returns the full length. */
RT_API size_t rtxErrFormat(RtContext* ctxt, char* buf, size_t size);

/* ----------------------------------------------- character-data buffer */

RT_API int rtxMemBufAppend(RtMemBuf* mb, const OSUTF8CHAR* data, size_t len);
RT_API void rtxMemBufReset(RtMemBuf* mb);
/* The same, inline, for a buffer that is there: handlers empty the
 * context's buffer at nearly every element. */
static inline void rtxMemBufEmpty(RtMemBuf* mb) {
  mb->startidx = 0;
  mb->usedcnt = 0;
}
/* rtxMemBufAppend to a buffer that is there, with its common case -- the
 * text fits -- inline. */
static inline int rtxMemBufAdd(RtMemBuf* mb, const OSUTF8CHAR* data, size_t len) {
  const size_t end = mb->startidx + mb->usedcnt;
  if (len == 0 || len > mb->bufsize - end) return rtxMemBufAppend(mb, data, len);
  memcpy(mb->data + end, data, len);
  mb->usedcnt += len;
  return 0;
}

/* ------------------------------------------------------- text utilities */

RT_API OSBOOL rtxUTF8StrEqual(const OSUTF8CHAR* a, const OSUTF8CHAR* b);
/* Whether the n bytes at a and at b are the same: a few word loads that
 * stay inside the n bytes, for the short names and texts handlers compare
 * at every element, without a library call. */
static inline int rtxSameBytes(const void* a, const void* b, size_t n) {
  const unsigned char* x = (const unsigned char*)a;
  const unsigned char* y = (const unsigned char*)b;
  if (n >= 8) {
    uint64_t u, v;
    size_t i;
    for (i = 0; i + 8 < n; i += 8) {
      memcpy(&u, x + i, 8);
      memcpy(&v, y + i, 8);
      if (u != v) return 0;
    }
    memcpy(&u, x + n - 8, 8);
    memcpy(&v, y + n - 8, 8);
    return u == v;
  }
  if (n >= 4) {
    uint32_t u1, v1, u2, v2;
    memcpy(&u1, x, 4);
    memcpy(&v1, y, 4);
    memcpy(&u2, x + n - 4, 4);
    memcpy(&v2, y + n - 4, 4);
    return u1 == v1 && u2 == v2;
  }
  return n == 0 || (x[0] == y[0] && x[n / 2] == y[n / 2] && x[n - 1] == y[n - 1]);
}
RT_API OSBOOL rtXmlStrCmpAsc(const OSUTF8CHAR* a, const char* b);
RT_API size_t rtxUTF8LenBytes(const OSUTF8CHAR* text);
/* 0 for valid UTF-8 (null counts as empty); else records ST_INVALID_UTF8. */
RT_API int rtxValidateUTF8(RtContext* ctxt, const OSUTF8CHAR* text);
/* Index in a sorted table, or ST_ENUM_UNKNOWN. Exact bytes. */
RT_API int rtxLookupEnum(const OSUTF8CHAR* text, size_t len, const RtEnumItem* table, uint16_t n);

/* XML Schema patterns: the whole text must match. Compiled once per pattern
 * and context. A pattern that does not compile matches nothing and records
 * ST_BAD_PATTERN. */
RT_API OSBOOL rtxMatchPattern(RtContext* ctxt, const OSUTF8CHAR* text, const OSUTF8CHAR* pattern);
/* The same on the decode input. */
RT_API OSBOOL rtxMatchPattern2(RtContext* ctxt, const OSUTF8CHAR* pattern);

/* xs:dateTime: positive (bytes read) on success, a negative status otherwise.
 * Records nothing; whitespace around the value is allowed. */
RT_API int rtxParseDateTimeString(const OSUTF8CHAR* text, size_t len, RtDateTime* out);
/* An xs:decimal text of len bytes (blanks around it allowed) as a double,
 * as rtXmlDecDecimal reads the decode input: 0, or ST_BAD_VALUE with
 * nothing recorded and *out untouched. */
RT_API int rtxParseDecimalString(const OSUTF8CHAR* text, size_t len, double* out);

/* ---------------------------------------------------------------- printing */
/* One line per value on standard output: "name = value". */

RT_API void rtxPrintCharStr(const char* name, const OSUTF8CHAR* text);
RT_API void rtxPrintBoolean(const char* name, OSBOOL value);
RT_API void rtxPrintInteger(const char* name, int32_t value);
RT_API void rtxPrintUnsigned(const char* name, uint32_t value);
RT_API void rtxPrintUInt64(const char* name, uint64_t value);
RT_API void rtxPrintReal(const char* name, double value);
RT_API void rtxPrintNVP(const char* name, const RtNameValue* nvp);
RT_API void rtxPrintNull(const char* name);
RT_API void rtXmlPrintNSAttrs(const char* name, const RtDList* nsAttrs);

/* -------------------------------------------------------------- namespaces */

/* URI table whose positions are the namespace indices. Also used to map
 * URIs to indices on decoding; a context that never set one uses the
 * built-in table of the presence schemas. */
RT_API int rtXmlNSSetURITable(RtContext* ctxt, const OSUTF8CHAR* const* uris, int n);
/* Register a prefix for a URI: into nsAttrs when given (kept with a record;
 * not added twice), else as a declaration of the next start tag. */
RT_API int rtXmlNSSetNamespace(RtContext* ctxt, RtDList* nsAttrs, const OSUTF8CHAR* prefix,
                               const OSUTF8CHAR* uri, OSBOOL override);
/* Prefix in force for a URI: "" for the default namespace, null if none. */
RT_API const OSUTF8CHAR* rtXmlNSGetPrefix(RtContext* ctxt, const OSUTF8CHAR* uri);
/* URI bound to a prefix (null/empty prefix: the default namespace). */
RT_API const OSUTF8CHAR* rtXmlNSGetURI(RtContext* ctxt, const OSUTF8CHAR* prefix, size_t prefixLen);
/* Index of the URI bound to a prefix; -1 when the prefix is unbound or its
 * URI is not in the table, RT_NS_NONE for an unprefixed name outside any
 * default namespace. */
#define RT_NS_NONE (-2)
RT_API int rtXmlNSGetIndex(RtContext* ctxt, const OSUTF8CHAR* prefix, size_t prefixLen);
/* The built-in table: the namespaces of the presence schemas, in the order
 * of their indices (watcherinfo 0, rpid 1, rlmi 2, civicLoc 3, basicPolicy 4,
 * geopriv10 5, data-model 6, cipid 7, caps 8, pidf 9, pidf-diff 10). */
RT_API const OSUTF8CHAR* const* rtXmlNSDefaultURITable(int* n);
/* Index of a URI in the table, -1 when absent. */
RT_API int rtXmlNSURIIndex(RtContext* ctxt, const OSUTF8CHAR* uri);
RT_API int rtXmlNSPush(RtContext* ctxt);
RT_API int rtXmlNSPop(RtContext* ctxt);
/* Bind a prefix in the innermost scope. */
RT_API int rtXmlNSAddPrefixLink(RtContext* ctxt, const OSUTF8CHAR* prefix, const OSUTF8CHAR* uri,
                                const OSUTF8CHAR* nsPrefix, int reserved);
/* Declarations kept with a decoded record. Texts inside some documents
 * depend on the declarations in scope where they stand: the selectors of a
 * partial presence document name elements through the prefixes and the
 * default namespace of its root. A decoder keeps the bindings in force at
 * the element it decodes into `record` (rtXmlNSKeepInScope, keyed by the
 * record's address); the encoder of that record declares them again on its
 * element (rtXmlNSDeclareKept: pending declarations of the next start tag,
 * except for prefixes the caller registered there; returns how many). A
 * record copied to another address keeps its data but not these
 * declarations. Releasing or re-initialising the record drops them
 * (rtXmlNSDropKept), and so does resetting or freeing the heap. */
RT_API int rtXmlNSKeepInScope(RtContext* ctxt, const void* record);
RT_API int rtXmlNSDeclareKept(RtContext* ctxt, const void* record);
RT_API void rtXmlNSDropKept(RtContext* ctxt, const void* record);
/* The kept declarations one by one (0 <= index < count; prefix "" for the
 * default namespace), and a record's set replaced by given declarations
 * (for records read from another form than XML). */
RT_API int rtXmlNSGetKeptCount(RtContext* ctxt, const void* record);
RT_API int rtXmlNSGetKept(RtContext* ctxt, const void* record, int index, const OSUTF8CHAR** prefix,
                          const OSUTF8CHAR** uri);
RT_API int rtXmlNSSetKept(RtContext* ctxt, const void* record, const RtXmlNamespace* decls, int count);
/* The same relative to a record `outer` that `record` is nested in: a
 * nested record mostly keeps its enclosing record's declarations and the
 * few its own element adds, and a form that writes each record's set whole
 * grows with the product of the two. GetKeptInner puts into decls (room for
 * capacity) the declarations `record` keeps beyond those of `outer`: each
 * prefix's innermost binding made inside outer's element, outermost first;
 * all of record's when its set is not outer's with more bindings (or outer
 * keeps none). It returns how many there are: call again with more room
 * when that is more than capacity. The texts stay valid while the records
 * keep their sets. SetKeptInner gives `record` outer's set with the given
 * declarations over it. */
RT_API int rtXmlNSGetKeptInner(RtContext* ctxt, const void* record, const void* outer, RtXmlNamespace* decls,
                               int capacity);
RT_API int rtXmlNSSetKeptInner(RtContext* ctxt, const void* record, const void* outer, const RtXmlNamespace* decls,
                               int count);
/* Free a namespace-declaration list (items are RtXmlNamespace). */
RT_API void rtXmlNSFreeAttrList(RtContext* ctxt, RtDList* nsAttrs);

/* ---------------------------------------------------------------- encoding */
/* Every call leaves the output NUL-terminated; a full fixed buffer records
 * ST_BUFFER_FULL. A null element name writes nothing for tags. */

RT_API int rtXmlEncStartDocument(RtContext* ctxt);
RT_API int rtXmlEncEndDocument(RtContext* ctxt);
/* The element is named through the pair: its prefix where that prefix means
 * the pair's namespace here, or can be declared to mean it on this tag; where
 * the tag's own declarations (nsAttrs, or those registered for it) give the
 * prefix another namespace, or the pair has none, a prefix in force for the
 * namespace, else the default namespace declared on the tag, else a prefix
 * "nsN" made for it (the first not in force). */
RT_API int rtXmlEncStartElement(RtContext* ctxt, const OSUTF8CHAR* name, const RtXmlNamespace* ns,
                                RtDList* nsAttrs, OSBOOL terminate);
RT_API int rtXmlEncTermStartElement(RtContext* ctxt);
RT_API int rtXmlEncEndElement(RtContext* ctxt, const OSUTF8CHAR* name, const RtXmlNamespace* ns);
RT_API int rtXmlEncEmptyElement(RtContext* ctxt, const OSUTF8CHAR* name, const RtXmlNamespace* ns,
                                RtDList* nsAttrs, OSBOOL terminate);
/* For encoders that write a whole element's markup themselves: an element
 * that declares nothing, with no child elements, leaves the state of the
 * writing as it found it, so that its start tag, attributes, text and end
 * tag can go straight into the output buffer. Returns 0 when that may be
 * done for an element of the namespace pair here: the start tag being
 * written, if any, is closed, and *prefix (*prefixLen bytes; "" for the
 * default namespace) is the prefix to write. Returns 1, writing nothing,
 * when the element must be written through rtXmlEncStartElement: its
 * namespace is not in force under the pair's prefix, declarations are
 * pending for the next start tag, or the open tag could not be closed (the
 * general calls then record why). */
RT_API int rtXmlEncDirectPrefix(RtContext* ctxt, const RtXmlNamespace* ns, const OSUTF8CHAR** prefix,
                                size_t* prefixLen);
/* A start tag the caller wrote after rtXmlEncDirectPrefix, left open for
 * content (open = 1): the next content written closes it with ">", as it
 * closes any open start tag. At the element's end (open = 0): returns 1 when
 * nothing closed it -- the caller then ends it as an empty element, "/>" --
 * and 0 when the caller writes its end tag. Such an element declares
 * nothing and opens no scope. */
RT_API int rtXmlEncDirectOpenTag(RtContext* ctxt, OSBOOL open);
/* Pending declarations and those of the list not yet on the open tag. */
RT_API int rtXmlEncNSAttrs(RtContext* ctxt, RtDList* nsAttrs);
/* A document's root start tag with the n namespaces the document declares
 * itself (own[0] names the root): the same output and state as
 * rtXmlNSSetNamespace(ctxt, NULL, own[i].prefix, own[i].uri, 0) for each
 * pair in turn, then rtXmlEncStartElement(ctxt, name, &{NULL, own[0].uri},
 * NULL, 0) and rtXmlEncNSAttrs(ctxt, NULL), which it calls where other
 * declarations are in play. Where none are (a fresh context, or one whose
 * last document ended), the tag and its declarations are written in one
 * pass. The start tag stays open for attributes. */
RT_API int rtXmlEncRootStart(RtContext* ctxt, const OSUTF8CHAR* name, const RtXmlNamespace* own, int n);
RT_API int rtXmlEncString(RtContext* ctxt, const RtXmlString* str, const OSUTF8CHAR* name,
                          const RtXmlNamespace* ns);
RT_API int rtXmlEncUTF8Str(RtContext* ctxt, const OSUTF8CHAR* text, const OSUTF8CHAR* name,
                           const RtXmlNamespace* ns);
RT_API int rtXmlEncBool(RtContext* ctxt, OSBOOL value, const OSUTF8CHAR* name, const RtXmlNamespace* ns);
RT_API int rtXmlEncInt(RtContext* ctxt, int32_t value, const OSUTF8CHAR* name, const RtXmlNamespace* ns);
RT_API int rtXmlEncDecimal(RtContext* ctxt, double value, const OSUTF8CHAR* name,
                           const RtXmlNamespace* ns, const RtDecimalFormat* format);
/* The text rtXmlEncDecimal writes for a value, NUL-terminated in text (at
 * most size - 1 bytes): returns its length, or a negative status, recording
 * nothing, when the value has no such text or it does not fit (the encoding
 * call then records why). */
RT_API int rtXmlDecimalText(RtContext* ctxt, double value, const RtDecimalFormat* format, char* text, size_t size);
/* Write a captured element (XML text) as it is. */
RT_API int rtXmlEncAny(RtContext* ctxt, const RtXmlString* xml, const OSUTF8CHAR* name,
                       const RtXmlNamespace* ns);
RT_API int rtXmlEncUTF8Attr2(RtContext* ctxt, const OSUTF8CHAR* name, size_t nameLen,
                             const OSUTF8CHAR* value, size_t valueLen);
RT_API int rtXmlEncIntAttr(RtContext* ctxt, int32_t value, const OSUTF8CHAR* name, size_t nameLen);
RT_API int rtXmlEncUIntAttr(RtContext* ctxt, uint32_t value, const OSUTF8CHAR* name, size_t nameLen);
RT_API int rtXmlEncUInt64Attr(RtContext* ctxt, uint64_t value, const OSUTF8CHAR* name, size_t nameLen);
RT_API int rtXmlEncBoolAttr(RtContext* ctxt, OSBOOL value, const OSUTF8CHAR* name, size_t nameLen);
/* Foreign attributes; a prefixed one that knows its namespace (nsUri) keeps
 * its prefix where it means that namespace here or can be declared so on
 * the open tag. Where the element's name or another declaration of the tag
 * uses the prefix, the attribute is written under a prefix in force for its
 * namespace, or under a made "nsN": the name changes, the namespace stays.
 * A pair whose name is no qualified XML name, or is a namespace declaration
 * ("xmlns", "xmlns:p": those go in a record's nsAttrs), is refused with
 * ST_BAD_ARGUMENT and the name, before anything of it is written. */
RT_API int rtXmlEncAnyAttr(RtContext* ctxt, const RtDList* anyAttrs);

/* ---------------------------------------------------------------- decoding */
/* Converters read the decode input (rtxInitContextBuffer). A text that is
 * not a valid lexical form records ST_BAD_VALUE (or ST_OUT_OF_RANGE). */

RT_API int rtXmlDecXmlStr(RtContext* ctxt, RtXmlString* out); /* heap copy, "" for empty */
RT_API int rtXmlDecBool(RtContext* ctxt, OSBOOL* out);
RT_API int rtXmlDecInt(RtContext* ctxt, int32_t* out);
RT_API int rtXmlDecUInt(RtContext* ctxt, uint32_t* out);
RT_API int rtXmlDecUInt64(RtContext* ctxt, uint64_t* out);
RT_API int rtXmlDecDecimal(RtContext* ctxt, double* out);
RT_API int rtXmlDecDateTime(RtContext* ctxt, RtDateTime* out);
/* Whitespace treatment of the decode input: 0 collapse, 1 replace. */
RT_API int rtXmlTreatWhitespaces(RtContext* ctxt, int mode);
/* Split a qualified name: returns the local part, sets the prefix span. */
RT_API const OSUTF8CHAR* rtXmlDecQName(const OSUTF8CHAR* qname, const OSUTF8CHAR** prefix, size_t* prefixLen);
/* A namespace declaration attribute: bind it in the innermost scope and,
 * when a list is given, keep it there (RtXmlNamespace items). */
RT_API int rtXmlDecNSAttr(RtContext* ctxt, const OSUTF8CHAR* attrName, const OSUTF8CHAR* attrValue,
                          RtDList* nsAttrs, const OSUTF8CHAR* const* nsTable, int nsTableRowCount);
/* xsi: attributes: 0 when taken (type, nil, schemaLocation,
 * noNamespaceSchemaLocation), 1 when the name is not an xsi: attribute. */
RT_API int rtXmlDecXSIAttr(RtContext* ctxt, const OSUTF8CHAR* attrName, const OSUTF8CHAR* attrValue);
RT_API void rtXmlMemFreeAnyAttrs(RtContext* ctxt, RtDList* anyAttrs);

/* ----------------------------------------------------------------- reader */

typedef int (*RtSaxStartElementFn)(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName,
                                   const OSUTF8CHAR* const* attrs);
typedef int (*RtSaxEndElementFn)(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName);
typedef int (*RtSaxCharactersFn)(void* handler, const OSUTF8CHAR* text, int len);
typedef void (*RtSaxFreeFn)(RtContext* ctxt, void* handler);

/* Head of every handler. */
typedef struct RtSaxHandler {
  RtSaxStartElementFn startElement;
  RtSaxEndElementFn endElement;
  RtSaxCharactersFn characters;
  RtSaxFreeFn free;
  void* nestedMem;
  RtContext* context;
  const OSUTF8CHAR* elemName;
  int32_t level;
  uint16_t startLevel;
  uint16_t reserved;
  int16_t curElemID;
  uint16_t state;
} RtSaxHandler;

/* Row of an element table: wildcard rows have the empty name. */
typedef struct RtXmlElemInfo {
  const char* name;
  int16_t nsidx;
  int32_t minOccurs;
  int32_t maxOccurs; /* -1: unbounded */
} RtXmlElemInfo;

/* Namespace index of a wildcard row that takes elements of every namespace
 * (##any); an ordinary wildcard row carries its type's own index and takes
 * those of the others (##other). */
#define RT_NS_ANY (-3)

#define RT_STATE_NO 0xFFu    /* transition entry: element not allowed */
#define RT_STATE_FINAL 0xFEu /* transition entry: allowed, and nothing may follow */

typedef struct RtSaxReader RtSaxReader;

RT_API RtSaxReader* rtSaxCCreateXmlReader(RtContext* ctxt, void* handler, RtSaxStartElementFn start,
                                          RtSaxEndElementFn end, RtSaxCharactersFn chars);
/* Parse the context's document. The reader's own failures (malformed XML,
 * DOCTYPE, depth, size, input) are recorded and returned. */
RT_API int rtSaxCParse(RtSaxReader* reader);
RT_API void rtSaxCReleaseReader(RtSaxReader* reader);
/* For handlers that read every attribute name and value by the lengths
 * rtSaxAttrLengths gives, and never past them: the reader may then hand a
 * plain attribute over where it stands in the document, without a NUL after
 * it, instead of copying it (an "xml:" name such as xml:lang too).
 * Declarations ("xmlns", "xmlns:p") and names with another prefix stay
 * NUL-terminated. Off for a new reader; the library's own
 * decoders and validators turn it on. */
RT_API void rtSaxCSetAttrsByLength(RtSaxReader* reader, OSBOOL on);
/* For handlers that know, after each start and end tag, whether they ignore
 * the character data that follows up to the next tag (element-only
 * content): while *gate is nonzero the reader still reads and checks that
 * text but does not report it. The handlers keep *gate up to date as the
 * tags they take move them; null (the default) reports every text. */
RT_API void rtSaxCSetTextGate(RtSaxReader* reader, const unsigned char* gate);

/* Row of an element allowed in *state: updates *state; -1 when none. A
 * wildcard row (empty name) takes elements of any namespace but the row's
 * own; elements in no namespace (RT_NS_NONE) are not taken. */
RT_API int rtSaxGetElemID8(uint16_t* state, int16_t curElemID, const OSUTF8CHAR* localName, int nsidx,
                           const RtXmlElemInfo* table, const uint8_t* matrix, int nElems, int nStates);
/* Report of a refused element: records ST_ELEMENT_NOT_EXPECTED with the
 * element's name and the elements allowed instead; returns -1. */
RT_API int rtSaxLookupElemID8(RtContext* ctxt, uint16_t* state, int16_t curElemID,
                              const OSUTF8CHAR* localName, const OSUTF8CHAR* qName, int nsidx,
                              const RtXmlElemInfo* table, const uint8_t* matrix, int nElems, int nStates);
/* Where a child refused at its place would belong: the row of the same
 * table whose name and namespace match it (a named row first, then a
 * wildcard row) and that is not in fullRows (one bit per row whose member
 * takes no further element: rows 32 and above are never chosen). Returns the
 * row and sets *nextState to the state that row leads to; -1 when no row
 * fits. Records nothing. */
RT_API int rtSaxFindMisplacedElemID8(const OSUTF8CHAR* localName, int nsidx, const RtXmlElemInfo* table,
                                     const uint8_t* matrix, int nElems, int nStates, uint32_t fullRows,
                                     uint16_t* nextState);
/* The lookup with order recovery: a child refused only because of its place
 * is reported as by rtSaxLookupElemID8 (not at all when the context has
 * RT_FLAG_ACCEPT_ANY_ORDER) and its row is returned, *state moving on from
 * that row (rtSaxFindMisplacedElemID8 decides). A child that fits no row is
 * reported and -1 returned. nsidx is the child's namespace index. */
RT_API int rtSaxRecoverElemID8(RtContext* ctxt, uint16_t* state, const OSUTF8CHAR* localName,
                               const OSUTF8CHAR* qName, int nsidx, const RtXmlElemInfo* table,
                               const uint8_t* matrix, int nElems, int nStates, uint32_t fullRows);
/* Attribute ID by the name as written ("xml:lang" finds "lang"); sets the
 * bit in *seen. -1 when undeclared. */
RT_API int rtSaxGetAttributeID(const OSUTF8CHAR* name, int nAttrs, const char* const* attrNames, uint32_t* seen);
/* Records ST_MISSING_ATTRIBUTE (type name, attribute name) per missing one. */
RT_API int rtSaxTestAttributesPresent(RtContext* ctxt, uint32_t seen, uint32_t required,
                                      const char* const* attrNames, int nAttrs, const char* typeName);
/* Attributes on an element that takes none (namespace declarations and xsi:
 * attributes excepted; an empty element name, a wildcard match, is exempt). */
RT_API int rtSaxReportUnexpAttrs(RtContext* ctxt, const OSUTF8CHAR* const* attrs, const char* elemName);
/* Count an error; true while the context's error limit allows recording. */
RT_API OSBOOL rtSaxIncErrors(RtContext* ctxt);
/* Errors found past the limit and therefore not recorded (since the last
 * rtxErrReset), so that a report can say how many more there were. */
RT_API int rtxErrGetUnrecorded(RtContext* ctxt);
/* Where the event being handled stands in the document (line and column
 * from 1, as for error entries); ST_NO_INPUT, and 0s, outside a parse. */
RT_API int rtSaxGetPosition(RtContext* ctxt, int* line, int* column);
/* Ask the reader to deliver no further events of the element being
 * processed. Requested during a start tag, that element is dropped whole
 * (its end tag included) and handlers above must not count it; requested
 * in its content, the rest of the content is dropped and the end tag still
 * comes. Returns status. */
RT_API int rtSaxSetSkipLevelToCurrent(RtContext* ctxt, int status);
/* True when the current start tag is being dropped (see above). */
RT_API OSBOOL rtSaxSkipRequested(RtContext* ctxt);
/* The lengths of the texts in the attribute array a start-element handler
 * was handed by the context's reader: attribute i's name has length [2i],
 * its value [2i + 1]. Null when attrs is not the array that reader hands
 * its handlers (a handler called directly with an array of its own) or when
 * the reader does not count them (expat): the texts are NUL-terminated as
 * ever, and strlen gives the same lengths. */
RT_API const uint32_t* rtSaxAttrLengths(RtContext* ctxt, const OSUTF8CHAR* const* attrs);

/* Diagnostics: a hook the caller may set to trace handler entries. */
typedef void (*RtSaxDiagFn)(void* userData, const char* funcName, const OSUTF8CHAR* qName, OSBOOL entering);
RT_API void rtSaxSetDiagHook(RtContext* ctxt, RtSaxDiagFn fn, void* userData);
/* True when a hook is set: handlers may skip the calls below otherwise. */
RT_API OSBOOL rtSaxDiagEnabled(RtContext* ctxt);
RT_API void rtSaxDiagStartFunc(void* handler, const char* funcName, const OSUTF8CHAR* qName);
RT_API void rtSaxDiagEndFunc(void* handler, const char* funcName, const OSUTF8CHAR* qName);

/* Test hook: feed the document to the parser in pieces of n bytes (0: whole). */
RT_API void rtSaxSetChunkSize(RtContext* ctxt, size_t n);

/* The any handler: captures a whole element (level 0) or all content of the
 * element it is handed inside (level -1) as self-contained XML text: the
 * namespace declarations in scope that the capture uses are written on each
 * captured root element. Inside a parse the captured markup is the
 * document's own bytes; a whole element (level 0) handed over at its start
 * tag is then passed over by the reader: its start and end tags reach the
 * handlers, the events inside it reach none (still read and checked), unless
 * a diagnostic hook is set. */
typedef struct RtSaxAnyHandler {
  RtSaxHandler head;
  RtXmlString* target;
  int32_t initLevel;
  uint32_t captureId;
} RtSaxAnyHandler;

RT_API void SAXAnyInit(RtContext* ctxt, void* handler, RtXmlString* target, int level);
RT_API int SAXAnyStartElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName,
                              const OSUTF8CHAR* const* attrs);
RT_API int SAXAnyEndElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName);
RT_API int SAXAnyCharacters(void* handler, const OSUTF8CHAR* text, int len);

/* The simple-type handler: checks the element name (elemName, when set),
 * refuses child elements and leaves the element's text as decode input. */
typedef struct RtSaxSimpleTypeHandler {
  RtSaxHandler head;
} RtSaxSimpleTypeHandler;

RT_API int SAXSimpleTypeInit(RtContext* ctxt, void* handler, const OSUTF8CHAR* elemName);
RT_API int SAXSimpleTypeStartElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName,
                                     const OSUTF8CHAR* const* attrs);
RT_API int SAXSimpleTypeEndElement(void* handler, const OSUTF8CHAR* localName, const OSUTF8CHAR* qName);
RT_API int SAXSimpleTypeCharacters(void* handler, const OSUTF8CHAR* text, int len);

#ifdef __cplusplus
}
#endif

#endif /* PXXML_RT_H */
