#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace pennoc {

class TextCodec;

// The bytes of the program's text files. It writes GB18030 as code page 936 writes it, so that files of its
// earlier versions and of other programs on the system code page come back byte for byte: € is the single
// byte 0x80 there, where GB18030 has two. Foreign files in UTF-8, with or without a byte-order mark, are read as such.
class NoteFileCodec {
public:
    explicit NoteFileCodec(const TextCodec& codec);

    // The bytes for a file's text; nothing when reading them back would not give exactly this text.
    std::optional<std::string> encode(std::u16string_view content) const;

    struct Reading {
        std::u16string content;
        // False when the bytes are in no known encoding; the content then holds replacement characters.
        bool readable = true;
    };
    // Whatever encode wrote for a content ending in a line break (as every file of the program does) reads
    // back as that content: bytes that are exactly what encode writes for their GB18030 reading, ending in a
    // line break, are read as GB18030. Any other bytes beyond ASCII that are valid UTF-8 (with or without a
    // byte-order mark) are read as UTF-8; the rest as GB18030 when valid.
    Reading decode(std::string_view bytes) const;

private:
    bool encodeCodePage(std::u16string_view text, std::string& bytes) const;
    bool decodeCodePage(std::string_view bytes, std::u16string& text) const;
    bool isProgramForm(std::string_view bytes, std::u16string_view codePageReading) const;

    const TextCodec& m_codec;
};

} // namespace pennoc
