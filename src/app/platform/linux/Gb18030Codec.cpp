#include "app/platform/Gb18030Codec.h"

#include "app/core/StoredText.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace pennoc {

namespace {

// Qt reaches GB18030 through ICU on Linux.
constexpr const char* kEncoding = "GB18030";

// A converter of its own for every call: Qt 6.4 keeps a decoder's error flag through resetState(), so a
// shared one would report every text after a bad one as bad.
bool decodeWith(QStringDecoder decoder, std::string_view bytes, std::u16string& text) {
    const QString decoded = decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    text = decoded.toStdU16String();
    return !decoder.hasError();
}

} // namespace

bool Gb18030Codec::encode(std::u16string_view text, std::string& bytes) const {
    // The converter replaces what it cannot write and still reports success.
    if (hasUnpairedSurrogate(text)) {
        return false;
    }
    QStringEncoder encoder(kEncoding, QStringEncoder::Flag::Stateless);
    const QByteArray encoded = encoder.encode(QStringView(text.data(), static_cast<qsizetype>(text.size())));
    bytes = encoded.toStdString();
    return !encoder.hasError();
}

bool Gb18030Codec::decode(std::string_view bytes, std::u16string& text) const {
    return decodeWith(QStringDecoder(kEncoding, QStringDecoder::Flag::Stateless), bytes, text);
}

bool Gb18030Codec::decodeUtf8(std::string_view bytes, std::u16string& text) const {
    return decodeWith(QStringDecoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless), bytes, text);
}

} // namespace pennoc
