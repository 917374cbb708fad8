#include "store/RegFile.h"

#include "store/RegKey.h"
#include "store/RegTree.h"

#include <QStringDecoder>
#include <QtEndian>

#include <algorithm>

namespace
{

const QLatin1String HEADER("Windows Registry Editor Version 5.00");
const QLatin1String DWORD_PREFIX("dword:");
const QLatin1String BINARY_PREFIX("hex:");
const QLatin1String TYPED_PREFIX("hex(");
constexpr int DWORD_DIGITS = 8;

bool IsHexDigit(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= '0' && u <= '9') || (u >= 'a' && u <= 'f') || (u >= 'A' && u <= 'F');
}

bool IsHex(QStringView text, qsizetype nMaxDigits)
{
    return !text.isEmpty() && text.size() <= nMaxDigits &&
           std::all_of(text.begin(), text.end(), IsHexDigit);
}

// Takes a quoted text with \\ and \" escapes off the front of rest.
bool TakeQuoted(QStringView& rest, QString& strOut)
{
    if (!rest.startsWith(QLatin1Char('"')))
        return false;
    strOut.clear();
    for (qsizetype i = 1; i < rest.size(); ++i) {
        QChar c = rest[i];
        if (c == QLatin1Char('"')) {
            rest = rest.sliced(i + 1);
            return true;
        }
        if (c == QLatin1Char('\\')) {
            if (++i == rest.size() || (rest[i] != QLatin1Char('\\') && rest[i] != QLatin1Char('"')))
                return false;
            c = rest[i];
        }
        strOut += c;
    }
    return false;
}

bool ParseHexBytes(QStringView text, QByteArray& data)
{
    data.clear();
    if (text.trimmed().isEmpty())
        return true;
    for (QStringView byte : text.split(QLatin1Char(','))) {
        byte = byte.trimmed();
        if (byte.size() != 2 || !IsHex(byte, 2))
            return false;
        data.append(static_cast<char>(byte.toUInt(nullptr, 16)));
    }
    return true;
}

bool ParseData(QStringView text, std::uint32_t& nType, QByteArray& data)
{
    if (text.startsWith(QLatin1Char('"'))) {
        QString strValue;
        if (!TakeQuoted(text, strValue) || !text.trimmed().isEmpty())
            return false;
        nType = REG_SZ;
        data = strValue.toUtf8().append('\0');
        return true;
    }
    if (text.startsWith(DWORD_PREFIX, Qt::CaseInsensitive)) {
        const QStringView digits = text.sliced(DWORD_PREFIX.size());
        if (!IsHex(digits, DWORD_DIGITS))
            return false;
        nType = REG_DWORD;
        data.resize(sizeof(std::uint32_t));
        qToLittleEndian(digits.toUInt(nullptr, 16), data.data());
        return true;
    }
    if (text.startsWith(BINARY_PREFIX, Qt::CaseInsensitive)) {
        nType = REG_BINARY;
        return ParseHexBytes(text.sliced(BINARY_PREFIX.size()), data);
    }
    if (text.startsWith(TYPED_PREFIX, Qt::CaseInsensitive)) {
        const qsizetype nClose = text.indexOf(QLatin1String("):"));
        if (nClose < 0)
            return false;
        const QStringView type = text.sliced(TYPED_PREFIX.size(), nClose - TYPED_PREFIX.size());
        if (!IsHex(type, DWORD_DIGITS))
            return false;
        nType = type.toUInt(nullptr, 16);
        return ParseHexBytes(text.sliced(nClose + 2), data);
    }
    return false;
}

// "name"=data, or @=data for the key's unnamed value.
bool ParseValueLine(QStringView line, CRegNode& key)
{
    QString strName;
    if (line.startsWith(QLatin1Char('@')))
        line = line.sliced(1);
    else if (!TakeQuoted(line, strName))
        return false;
    line = line.trimmed();
    std::uint32_t nType = 0;
    QByteArray data;
    if (!line.startsWith(QLatin1Char('=')) || !IsValidValueName(strName) ||
        !ParseData(line.sliced(1).trimmed(), nType, data))
        return false;
    key.SetValue(strName, nType, data);
    return true;
}

// [ROOT\Software\...]: the key it names, created where missing; nullptr when it is not ours.
CRegNode* ParseSectionLine(QStringView line, const QString& strRootName, CRegNode& root)
{
    const QStringList path = line.sliced(1, line.size() - 2).toString().split(QLatin1Char('\\'));
    if (path.size() < 2 || path.first().compare(strRootName, Qt::CaseInsensitive) != 0)
        return nullptr;
    return root.Create(path.sliced(1));
}

QString Quoted(QString strText)
{
    strText.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    strText.replace(QLatin1Char('"'), QLatin1String("\\\""));
    return QLatin1Char('"') + strText + QLatin1Char('"');
}

// A REG_SZ goes out as quoted text only when reading that text back gives the same bytes.
bool IsPlainText(const QByteArray& data)
{
    return !data.isEmpty() && data.indexOf('\0') == data.size() - 1 && !data.contains('\n') &&
           !data.contains('\r') && QString::fromUtf8(data.chopped(1)).toUtf8() == data.chopped(1);
}

QString FormatData(const CRegValueData& value)
{
    const QString strHex = QString::fromLatin1(value.data.toHex(','));
    if (value.nType == REG_SZ && IsPlainText(value.data))
        return Quoted(QString::fromUtf8(value.data.chopped(1)));
    if (value.nType == REG_DWORD && value.data.size() == sizeof(std::uint32_t))
        return DWORD_PREFIX +
               QStringLiteral("%1").arg(qFromLittleEndian<std::uint32_t>(value.data.constData()),
                                        DWORD_DIGITS, 16, QLatin1Char('0'));
    if (value.nType == REG_BINARY)
        return BINARY_PREFIX + strHex;
    return TYPED_PREFIX + QString::number(value.nType, 16) + QLatin1String("):") + strHex;
}

void FormatKey(const CRegNode& key, const QString& strPath, QString& strOut)
{
    strOut += QLatin1Char('[') + strPath + QLatin1String("]\n");
    for (const CRegValueData& value : key.values) {
        strOut += value.strName.isEmpty() ? QStringLiteral("@") : Quoted(value.strName);
        strOut += QLatin1Char('=') + FormatData(value) + QLatin1Char('\n');
    }
    strOut += QLatin1Char('\n');
    for (const CRegNode& sub : key.subKeys)
        FormatKey(sub, strPath + QLatin1Char('\\') + sub.strName, strOut);
}

} // namespace

bool ParseRegFile(const QByteArray& text, const QString& strRootName, CRegNode& root)
{
    // A registry editor exports UTF-16 with a byte-order mark, other tools without one, which
    // the header's first letter then tells; Kelvara writes UTF-8. The decoder drops the mark.
    QStringDecoder decoder(
        QStringConverter::encodingForData(text, u'W').value_or(QStringConverter::Utf8),
        QStringDecoder::Flag::Stateless);
    QString strText = decoder.decode(text);
    bool bClean = !decoder.hasError() && strText.isValidUtf16();
    // Broken UTF-16 leaves lone surrogates, which UTF-8 cannot hold: read them as written.
    if (!strText.isValidUtf16())
        strText = QString::fromUtf8(strText.toUtf8());

    CRegNode* pKey = nullptr;
    for (QStringView line : QStringView(strText).split(QLatin1Char('\n'))) {
        line = line.trimmed();
        if (line.isEmpty() || line == HEADER || line.startsWith(QLatin1Char(';'))) // a comment
            continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            pKey = ParseSectionLine(line, strRootName, root);
            bClean = bClean && pKey;
        } else {
            bClean = pKey && ParseValueLine(line, *pKey) && bClean;
        }
    }
    return bClean;
}

QByteArray FormatRegFile(const CRegNode& root, const QString& strRootName)
{
    QString strOut = HEADER + QLatin1String("\n\n");
    for (const CRegNode& sub : root.subKeys)
        FormatKey(sub, strRootName + QLatin1Char('\\') + sub.strName, strOut);
    return strOut.toUtf8();
}
