#include "app/platform/Gb18030Codec.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace pennoc {

namespace {

// Qt reaches GB18030 through ICU on Linux.
constexpr const char* kEncoding = "GB18030";

bool decodeWith(QStringDecoder& decoder, std::string_view bytes, std::u16string& text) {
    decoder.resetState();
    const QString decoded = decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    text = decoded.toStdU16String();
    return !decoder.hasError();
}

} // namespace

struct Gb18030Codec::Converters {
    QStringEncoder encoder{kEncoding, QStringEncoder::Flag::Stateless};
    QStringDecoder decoder{kEncoding, QStringDecoder::Flag::Stateless};
    QStringDecoder utf8Decoder{QStringDecoder::Utf8, QStringDecoder::Flag::Stateless};
};

Gb18030Codec::Gb18030Codec()
    : m_converters(std::make_unique<Converters>()) {}

Gb18030Codec::~Gb18030Codec() = default;

std::string Gb18030Codec::encode(std::u16string_view text) const {
    m_converters->encoder.resetState();
    const QByteArray bytes =
        m_converters->encoder.encode(QStringView(text.data(), static_cast<qsizetype>(text.size())));
    return bytes.toStdString();
}

bool Gb18030Codec::decode(std::string_view bytes, std::u16string& text) const {
    return decodeWith(m_converters->decoder, bytes, text);
}

bool Gb18030Codec::decodeUtf8(std::string_view bytes, std::u16string& text) const {
    return decodeWith(m_converters->utf8Decoder, bytes, text);
}

} // namespace pennoc
