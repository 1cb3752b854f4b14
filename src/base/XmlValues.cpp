#include "base/XmlValues.h"

#include <QByteArray>
#include <charconv>
#include <limits>
#include <climits>
#include <cmath>
#include <optional>
#include <string>
#include <string_view>
#include <algorithm>

namespace {

// Characters XML 1.0 cannot hold travel as kEscape followed by kShift + c;
// a literal kEscape is doubled. Both sit in the private use area.
constexpr char16_t kEscape = 0xE000;
constexpr char16_t kShift = 0xE100;
// Stand-ins (after kShift) for the two non-characters U+FFFE and U+FFFF.
constexpr char16_t kFffeCode = 0x20;
constexpr char16_t kFfffCode = 0x21;

bool NeedsEscape(char16_t c)
{
    if (c < 0x20)
        return c != u'\t' && c != u'\n' && c != u'\r';
    return c == kEscape || c == 0xFFFE || c == 0xFFFF;
}

char16_t EscapeCode(char16_t c)
{
    if (c == 0xFFFE)
        return kShift + kFffeCode;
    if (c == 0xFFFF)
        return kShift + kFfffCode;
    if (c == kEscape)
        return kEscape;
    return char16_t(kShift + c);
}

// The character an escape code stands for, if it is one.
std::optional<char16_t> UnescapeCode(char16_t code)
{
    if (code == kEscape)
        return kEscape;
    if (code == kShift + kFffeCode)
        return char16_t(0xFFFE);
    if (code == kShift + kFfffCode)
        return char16_t(0xFFFF);
    if (code >= kShift && code < kShift + 0x20 && NeedsEscape(char16_t(code - kShift)))
        return char16_t(code - kShift);
    return std::nullopt;
}

QString EncodeText(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar ch : text) {
        const char16_t c = ch.unicode();
        if (NeedsEscape(c)) {
            out += QChar(kEscape);
            out += QChar(EscapeCode(c));
        } else {
            out += ch;
        }
    }
    return out;
}

QString DecodeText(const QString& text)
{
    if (!text.contains(QChar(kEscape)))
        return text;
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (c == kEscape && i + 1 < text.size()) {
            if (const auto original = UnescapeCode(text.at(i + 1).unicode())) {
                out += QChar(*original);
                ++i;
                continue;
            }
        }
        out += QChar(c);
    }
    return out;
}

bool IsTextNode(pugi::xml_node node)
{
    return node.type() == pugi::node_pcdata || node.type() == pugi::node_cdata;
}

// The element's text as stored (UTF-8, escapes not undone); usually the one
// text child itself, else the text children joined in scratch.
std::string_view RawText(pugi::xml_node element, std::string& scratch)
{
    const pugi::xml_node first = element.first_child();
    if (IsTextNode(first) && !first.next_sibling())
        return first.value();
    scratch.clear();
    for (pugi::xml_node child = first; child; child = child.next_sibling())
        if (IsTextNode(child))
            scratch += child.value();
    return scratch;
}

// Appends <key>text</key>; text is already in stored form.
bool AppendValue(pugi::xml_node parent, const char* key, const char* text)
{
    if (!parent)
        return false;
    pugi::xml_node element = parent.append_child(key);
    if (!element)
        return false;
    if (*text)
        element.append_child(pugi::node_pcdata).set_value(text);
    return true;
}

int ParseLeadingIntUtf8(std::string_view text)
{
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r')))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    // Saturate instead of overflowing on absurdly long digit runs.
    constexpr long long kLimit = static_cast<long long>(INT_MAX) + 1;
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        value = std::min(value * 10 + (text[i] - '0'), kLimit);
    if (negative)
        value = -value;
    return int(std::min<long long>(value, INT_MAX));
}

// Reals longer than this are outside the format.
constexpr qsizetype kMaxRealText = 51;

} // namespace

QString ElementText(pugi::xml_node element)
{
    std::string scratch;
    const std::string_view raw = RawText(element, scratch);
    return DecodeText(QString::fromUtf8(raw.data(), qsizetype(raw.size())));
}

void SetElementText(pugi::xml_node element, const QString& text)
{
    for (pugi::xml_node child = element.first_child(); child;) {
        const pugi::xml_node next = child.next_sibling();
        if (IsTextNode(child))
            element.remove_child(child);
        child = next;
    }
    if (text.isEmpty())
        return;
    const QByteArray utf8 = EncodeText(text).toUtf8();
    pugi::xml_node node = element.first_child()
        ? element.insert_child_before(pugi::node_pcdata, element.first_child())
        : element.append_child(pugi::node_pcdata);
    node.set_value(utf8.constData());
}

bool WriteString(pugi::xml_node parent, const char* key, const QString& value)
{
    return AppendValue(parent, key, EncodeText(value).toUtf8().constData());
}

bool WriteInt(pugi::xml_node parent, const char* key, int value)
{
    char digits[16];
    *std::to_chars(digits, digits + sizeof digits - 1, value).ptr = '\0';
    return AppendValue(parent, key, digits);
}

bool WriteReal(pugi::xml_node parent, const char* key, double value)
{
    return WriteString(parent, key, FormatReal(value));
}

bool WritePoint(pugi::xml_node parent, QPoint point)
{
    if (!parent)
        return false;
    pugi::xml_node element = parent.append_child("POINT");
    return WriteInt(element, "X", point.x()) && WriteInt(element, "Y", point.y());
}

bool WriteTwoPoints(pugi::xml_node parent, QPoint first, QPoint second)
{
    return WritePoint(parent, first) && WritePoint(parent, second);
}

bool WriteInt64Pair(pugi::xml_node parent, const char* key, qint32 low, qint32 high)
{
    const std::string k(key);
    return WriteInt(parent, (k + "_1").c_str(), low) && WriteInt(parent, (k + "_2").c_str(), high);
}

bool WriteColor(pugi::xml_node parent, const char* key, ColorRef color)
{
    const std::string k(key);
    return WriteInt(parent, (k + "R").c_str(), RedOf(color))
        && WriteInt(parent, (k + "G").c_str(), GreenOf(color))
        && WriteInt(parent, (k + "B").c_str(), BlueOf(color));
}

pugi::xml_node WriteContainer(pugi::xml_node parent, const char* key)
{
    if (!WriteString(parent, key, QStringLiteral(" ")))
        return {};
    return parent.last_child();
}

bool ReadString(pugi::xml_node parent, const char* key, QString& target)
{
    const pugi::xml_node element = parent.child(key);
    if (!element)
        return false;
    QString text = ElementText(element);
    if (text.isEmpty())
        return false;
    target = std::move(text);
    return true;
}

bool ReadInt(pugi::xml_node parent, const char* key, int& target)
{
    const pugi::xml_node element = parent.child(key);
    std::string scratch;
    const std::string_view text = RawText(element, scratch);
    if (!element || text.empty())
        return false;
    target = ParseLeadingIntUtf8(text);
    return true;
}

bool ReadReal(pugi::xml_node parent, const char* key, double& target)
{
    QString text;
    return ReadString(parent, key, text) && ParseReal(text, target);
}

bool ReadInt64Pair(pugi::xml_node parent, const char* key, qint32& low, qint32& high)
{
    const std::string k(key);
    int lowValue = low;
    int highValue = high;
    const bool gotLow = ReadInt(parent, (k + "_1").c_str(), lowValue);
    const bool gotHigh = ReadInt(parent, (k + "_2").c_str(), highValue);
    low = lowValue;
    high = highValue;
    return gotLow || gotHigh;
}

bool ReadColor(pugi::xml_node parent, const char* key, ColorRef& target)
{
    const std::string k(key);
    int r = RedOf(target);
    int g = GreenOf(target);
    int b = BlueOf(target);
    if (!ReadInt(parent, (k + "B").c_str(), b))
        return false;
    ReadInt(parent, (k + "R").c_str(), r);
    ReadInt(parent, (k + "G").c_str(), g);
    target = MakeColorRef(r, g, b);
    return true;
}

bool ReadPoint(pugi::xml_node pointElement, QPoint& target)
{
    int x = target.x();
    int y = target.y();
    const bool gotX = ReadInt(pointElement, "X", x);
    const bool gotY = ReadInt(pointElement, "Y", y);
    target = QPoint(x, y);
    return gotX || gotY;
}

std::vector<QPoint> ReadPoints(pugi::xml_node parent)
{
    std::vector<QPoint> points;
    for (pugi::xml_node p = parent.child("POINT"); p; p = p.next_sibling("POINT")) {
        QPoint point;
        ReadPoint(p, point);
        points.push_back(point);
    }
    return points;
}

namespace {
void PersistValue(bool storing, pugi::xml_node parent, const char* key, int& v)
{
    storing ? WriteInt(parent, key, v) : ReadInt(parent, key, v);
}
void PersistValue(bool storing, pugi::xml_node parent, const char* key, double& v)
{
    storing ? WriteReal(parent, key, v) : ReadReal(parent, key, v);
}
void PersistValue(bool storing, pugi::xml_node parent, const char* key, QString& v)
{
    storing ? WriteString(parent, key, v) : ReadString(parent, key, v);
}
void PersistValue(bool storing, pugi::xml_node parent, const char* key, ColorRef& v)
{
    storing ? WriteColor(parent, key, v) : ReadColor(parent, key, v);
}
} // namespace

void PersistFields(bool storing, pugi::xml_node parent, const std::vector<KeyedField>& fields)
{
    for (const KeyedField& f : fields) {
        QString* const* text = std::get_if<QString*>(&f.target);
        if (!storing && f.emptyIsText && text) {
            if (const pugi::xml_node element = parent.child(f.key))
                **text = ElementText(element);
            continue;
        }
        std::visit([&](auto* target) { PersistValue(storing, parent, f.key, *target); }, f.target);
    }
}

int ParseLeadingInt(const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    return ParseLeadingIntUtf8(std::string_view(utf8.constData(), size_t(utf8.size())));
}

bool ParseReal(const QString& text, double& value)
{
    if (text.size() > kMaxRealText)
        return false;
    QByteArray latin = text.trimmed().toLatin1();
    const char* begin = latin.constData();
    const char* end = begin + latin.size();
    if (begin != end && *begin == '+')
        ++begin;
    double parsed = 0.0;
    const auto result = std::from_chars(begin, end, parsed, std::chars_format::general);
    // Values beyond single precision are refused: sizes and widths are
    // handed on to code that works in float.
    if (result.ec != std::errc() || !(std::abs(parsed) <= double(std::numeric_limits<float>::max())))
        return false;
    value = parsed;
    return true;
}

QString FormatReal(double value)
{
    return QString::asprintf("%f", value);
}
