#include "app/core/NoteFileCodec.h"

#include "platform/TextCodec.h"

#include <algorithm>

namespace pennoc {

namespace {

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kLineBreakBytes = "\r\n";
constexpr char kEuroByte = '\x80';
constexpr char16_t kEuro = u'\u20AC';

// The length of the GB18030 character that starts at `at`: one byte below 0x80, four when a lead byte is
// followed by a digit byte, else two. Only a character boundary can hold code page 936's single 0x80, since
// 0x80 also serves as the second byte of two-byte characters.
std::size_t characterLength(std::string_view bytes, std::size_t at) {
    const auto lead = static_cast<unsigned char>(bytes[at]);
    std::size_t length = 1;
    if (lead >= 0x81 && lead <= 0xFE) {
        const bool fourBytes = at + 1 < bytes.size() && bytes[at + 1] >= '0' && bytes[at + 1] <= '9';
        length = fourBytes ? 4 : 2;
    }
    return std::min(length, bytes.size() - at);
}

} // namespace

NoteFileCodec::NoteFileCodec(const TextCodec& codec)
    : m_codec(codec) {}

bool NoteFileCodec::encodeCodePage(std::u16string_view text, std::string& bytes) const {
    bytes.clear();
    std::string part;
    for (std::size_t start = 0;;) {
        const std::size_t euro = text.find(kEuro, start);
        if (!m_codec.encode(text.substr(start, euro - start), part)) {
            return false;
        }
        bytes += part;
        if (euro == std::u16string_view::npos) {
            return true;
        }
        bytes += kEuroByte;
        start = euro + 1;
    }
}

bool NoteFileCodec::decodeCodePage(std::string_view bytes, std::u16string& text) const {
    text.clear();
    bool valid = true;
    std::u16string part;
    std::size_t start = 0;
    const auto decodeUpTo = [&](std::size_t end) {
        if (end > start) {
            valid = m_codec.decode(bytes.substr(start, end - start), part) && valid;
            text += part;
        }
    };
    for (std::size_t at = 0; at < bytes.size();) {
        if (bytes[at] == kEuroByte) {
            decodeUpTo(at);
            text += kEuro;
            start = ++at;
        } else {
            at += characterLength(bytes, at);
        }
    }
    decodeUpTo(bytes.size());
    return valid;
}

std::optional<std::string> NoteFileCodec::encode(std::u16string_view content) const {
    std::string bytes;
    std::u16string readBack;
    if (!encodeCodePage(content, bytes) || !decodeCodePage(bytes, readBack) || readBack != content) {
        return std::nullopt;
    }
    return bytes;
}

bool NoteFileCodec::isProgramForm(std::string_view bytes, std::u16string_view codePageReading) const {
    std::string ours;
    return bytes.ends_with(kLineBreakBytes) && encodeCodePage(codePageReading, ours) && ours == bytes;
}

NoteFileCodec::Reading NoteFileCodec::decode(std::string_view bytes) const {
    Reading reading;
    const bool codePage = decodeCodePage(bytes, reading.content);
    const bool ours = codePage && isProgramForm(bytes, reading.content);
    if (bytes.starts_with(kUtf8ByteOrderMark) && !ours) {
        std::u16string utf8;
        if (m_codec.decodeUtf8(bytes.substr(kUtf8ByteOrderMark.size()), utf8)) {
            return {std::move(utf8), true};
        }
    }
    // Text in UTF-8 beyond ASCII is nearly never valid GB18030 in the program's own form as well, while
    // GB18030 beyond ASCII is rarely valid UTF-8: a file that is both is the program's.
    const bool beyondAscii = std::any_of(bytes.begin(), bytes.end(), [](char c) { return (c & 0x80) != 0; });
    if (ours || (codePage && !beyondAscii)) {
        return reading;
    }
    // Also where the system has no GB18030 converter at all.
    std::u16string utf8;
    if (m_codec.decodeUtf8(bytes, utf8)) {
        return {std::move(utf8), true};
    }
    reading.readable = codePage;
    return reading;
}

} // namespace pennoc
