// SPDX-License-Identifier: GPL-3.0-or-later
// FileText: which bytes the settings files hold for their text, and back.
#include "FileText.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace FileText {

namespace {

constexpr char byteOrderMark[] = "\xEF\xBB\xBF";

} // namespace

QString decode(const QByteArray &bytes, QStringConverter::Encoding ansi)
{
    // That one mark only: the decoder would skip a second one as well.
    if (bytes.startsWith(byteOrderMark))
        return QStringDecoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom).decode(bytes.sliced(3));
    // A text in a code page of old is hardly ever also valid UTF-8; a text
    // that an editor saved as UTF-8 without a mark always is.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return QStringDecoder(ansi).decode(bytes);
}

QByteArray encode(QStringView text, QStringConverter::Encoding ansi)
{
    // Read back rather than trusted: Windows replaces a character that its
    // code page lacks with a look-alike ("ŝ" becomes "s") and reports nothing.
    QStringEncoder encoder(ansi);
    const QByteArray plain = encoder.encode(text);
    if (!encoder.hasError() && decode(plain, ansi) == text)
        return plain;
    return QByteArray(byteOrderMark) + QStringEncoder(QStringEncoder::Utf8).encode(text);
}

} // namespace FileText
