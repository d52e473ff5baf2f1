#pragma once
// The document file (extension "nrv"): a CP932 text of Print # / Input #
// records holding every input of a CDocument, its loads and its load cases.
// Results are never stored.
#include <cstdint>
#include <string>

namespace norva {

class CDocument;

// Program version 4.0.0, written into every file as
// Major + Minor / 100 + Revision / 10000.
inline constexpr int kProgramVersionMajor = 4;
inline constexpr int kProgramVersionMinor = 0;
inline constexpr int kProgramVersionRevision = 0;
double FileVersionNumber();

// Writes the document to wFileName, or to doc.FileName when wFileName is
// empty; with both empty returns false and shows nothing. The file is
// written beside the target under a temporary name and then renamed over it,
// so a failed save leaves an existing file exactly as it was. On failure the
// writer's error message goes to MessageSink() and the result is false.
// The document is not changed (file names are the caller's business).
bool DataFileWrite(const CDocument& doc, const std::string& wFileName);

// Reads the file named by doc.FileName. An empty name or no such file: false,
// no message, document untouched. The file is read into a fresh document,
// which replaces the inputs, loads and cases of doc only when the whole file
// was read; on any error the reader's message goes to MessageSink(), the
// result is false and doc is as it was. File names, Key and DataForm of doc
// are kept; bInpSt(4) and bInpSt(5) are false after a successful read.
bool DataFileRead(CDocument& doc);

// The same reader on a path of the caller's choosing; doc's file names are
// left alone (a template read does not bind the document to the template).
bool DataFileReadFrom(CDocument& doc, const std::string& path);

// The same reader on the bytes of a file already in memory.
bool DataFileReadBytes(CDocument& doc, std::string cp932);

// The complete file text of the document as CP932 bytes with CR LF (what
// DataFileWrite puts on disk). Throws std::runtime_error when an embedded
// record reports a failure.
std::string DocumentFileBytes(const CDocument& doc);

}  // namespace norva
