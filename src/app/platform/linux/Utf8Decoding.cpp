#include "app/platform/Gb18030Codec.h"

#include <QStringDecoder>

namespace pennoc {

bool Gb18030Codec::decodeUtf8(std::string_view bytes, std::u16string& text) const {
    // A decoder of its own for every call: Qt 6.4 keeps a decoder's error flag through resetState(), so a
    // shared one would report every text after a bad one as bad.
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    text = decoded.toStdU16String();
    return !decoder.hasError();
}

} // namespace pennoc
