#include "app/platform/Gb18030Codec.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace pennoc {

namespace {

// Qt reaches GB18030 through ICU on Linux.
constexpr const char* kEncoding = "GB18030";

bool decodeWith(QStringDecoder& decoder, std::string_view bytes, std::u16string& text) {
    const QString decoded = decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    text = decoded.toStdU16String();
    return !decoder.hasError();
}

} // namespace

std::string Gb18030Codec::encode(std::u16string_view text) const {
    QStringEncoder encoder(kEncoding);
    const QByteArray bytes = encoder.encode(QStringView(text.data(), static_cast<qsizetype>(text.size())));
    return bytes.toStdString();
}

bool Gb18030Codec::decode(std::string_view bytes, std::u16string& text) const {
    QStringDecoder decoder(kEncoding, QStringDecoder::Flag::Stateless);
    return decodeWith(decoder, bytes, text);
}

bool Gb18030Codec::decodeUtf8(std::string_view bytes, std::u16string& text) const {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    return decodeWith(decoder, bytes, text);
}

} // namespace pennoc
