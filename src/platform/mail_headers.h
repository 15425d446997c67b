#pragma once

#include <string>
#include <string_view>

// The header lines of an outgoing message. Every text in them may come from outside (a typed
// subject, a file's name), so none of them can end a header line or start another.
namespace varmio {

// A header value on one line: CR and LF become blanks.
std::string oneLine(std::string_view text);

// A header's unstructured text: as it is when plain ASCII, else one RFC 2047 encoded word.
std::string headerText(std::string_view text);

// "Date: ..." for now, in this host's time zone, without the locale's day and month names.
std::string dateHeader();

// "Message-ID: <...@domain>", the domain taken from the sender's address.
std::string messageIdHeader(const std::string& from);

// The media type that an attachment's name suggests; "application/octet-stream" by default.
std::string contentType(std::string_view name);

// An attachment's "Content-Type" and "Content-Disposition" lines. A name of printable ASCII
// travels as a quoted string (filename="a.gif"); any other name as RFC 2231 (filename*=UTF-8''...)
// with the RFC 2047 form in the type's name parameter, which older readers take.
struct AttachmentHeaders {
    std::string type;
    std::string disposition;
};
AttachmentHeaders attachmentHeaders(std::string_view name);

}  // namespace varmio
