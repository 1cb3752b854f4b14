// Value conventions of the XML files: numbers, points, pairs, colours and
// strings that must come back from a real file exactly as written.
#include "base/XmlFile.h"
#include "base/XmlValues.h"

#include <QFile>
#include <QProcess>
#include <QStringEncoder>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Saves a document holding the given strings, loads it again from disk.
struct SavedStrings
{
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("values.xml"));
    pugi::xml_document loaded;

    explicit SavedStrings(const QStringList& values)
    {
        pugi::xml_document doc;
        ResetXmlDocument(doc);
        pugi::xml_node root = WriteContainer(doc, "ROOT");
        for (const QString& v : values)
            EXPECT_TRUE(WriteString(root, "S", v));
        QString error;
        EXPECT_TRUE(SaveXmlFile(doc, path, &error)) << error.toStdString();
        EXPECT_TRUE(LoadXmlFile(path, loaded).ok);
    }

    QStringList Values() const
    {
        QStringList out;
        for (pugi::xml_node s = loaded.child("ROOT").child("S"); s; s = s.next_sibling("S"))
            out << ElementText(s);
        return out;
    }
};

} // namespace

TEST(XmlValues, ParsesNumbersTheWayTheFormatReadsThem)
{
    EXPECT_EQ(ParseLeadingInt(QStringLiteral("12abc")), 12);
    EXPECT_EQ(ParseLeadingInt(QStringLiteral("abc")), 0);
    EXPECT_EQ(ParseLeadingInt(QStringLiteral("  -42 ")), -42);
    EXPECT_EQ(ParseLeadingInt(QStringLiteral("+7")), 7);
    EXPECT_EQ(ParseLeadingInt(QStringLiteral("-2147483648")), INT_MIN);
    EXPECT_EQ(ParseLeadingInt(QStringLiteral("99999999999999999999")), INT_MAX);
    EXPECT_EQ(ParseLeadingInt(QStringLiteral("-99999999999999999999")), INT_MIN);

    double v = 5.0;
    EXPECT_TRUE(ParseReal(QStringLiteral("1.510000"), v));
    EXPECT_EQ(v, 1.51); // read back exactly as written, not through a float
    EXPECT_TRUE(ParseReal(QStringLiteral(" -3.25xyz"), v));
    EXPECT_EQ(v, -3.25);
    v = 5.0;
    EXPECT_FALSE(ParseReal(QStringLiteral("abc"), v));
    EXPECT_FALSE(ParseReal(QStringLiteral("nan"), v));
    EXPECT_FALSE(ParseReal(QStringLiteral("1") + QString(51, u'0'), v)); // 52 characters
    EXPECT_EQ(v, 5.0);
    EXPECT_TRUE(ParseReal(QStringLiteral("2") + QString(30, u'0') + u'.' + QString(19, u'0'), v)); // 51
    EXPECT_FLOAT_EQ(float(v), 2e30f);
    EXPECT_FALSE(ParseReal(QStringLiteral("1e39"), v)); // beyond single precision
    EXPECT_EQ(FormatReal(1.51), QStringLiteral("1.510000"));
    EXPECT_EQ(FormatReal(-0.5), QStringLiteral("-0.500000"));
}

TEST(XmlValues, WritesAndReadsEachKindOfValue)
{
    pugi::xml_document doc;
    pugi::xml_node root = doc.append_child("ROOT");
    EXPECT_TRUE(WriteInt(root, "I", -17));
    EXPECT_TRUE(WriteReal(root, "COLUMNWIDTH", 1.51));
    EXPECT_TRUE(WriteTwoPoints(root, QPoint(10, -20), QPoint(-30, 40)));
    EXPECT_TRUE(WriteInt64Pair(root, "LASTWRITETIME", qint32(0x89abcdef), 0x01d2f3a4));
    EXPECT_TRUE(WriteColor(root, "LINECOLOR", MakeColorRef(1, 2, 3)));
    EXPECT_TRUE(WriteString(root, "EMPTY", QString()));
    EXPECT_TRUE(WriteString(root, "WORDS", QStringLiteral("12abc")));
    EXPECT_FALSE(WriteInt(pugi::xml_node(), "I", 1));

    EXPECT_STREQ(root.child("COLUMNWIDTH").child_value(), "1.510000");
    EXPECT_STREQ(root.child("LASTWRITETIME_1").child_value(), "-1985229329");
    EXPECT_STREQ(root.child("LINECOLORB").child_value(), "3");

    int i = 0;
    EXPECT_TRUE(ReadInt(root, "I", i));
    EXPECT_EQ(i, -17);
    EXPECT_TRUE(ReadInt(root, "WORDS", i));
    EXPECT_EQ(i, 12);
    i = 99;
    EXPECT_FALSE(ReadInt(root, "EMPTY", i)); // empty text keeps the value
    EXPECT_FALSE(ReadInt(root, "MISSING", i));
    EXPECT_EQ(i, 99);

    double width = 0;
    EXPECT_TRUE(ReadReal(root, "COLUMNWIDTH", width));
    EXPECT_EQ(width, 1.51);

    const std::vector<QPoint> points = ReadPoints(root);
    ASSERT_EQ(points.size(), 2u);
    EXPECT_EQ(points[0], QPoint(10, -20));
    EXPECT_EQ(points[1], QPoint(-30, 40));

    qint32 low = 0, high = 0;
    EXPECT_TRUE(ReadInt64Pair(root, "LASTWRITETIME", low, high));
    EXPECT_EQ(low, qint32(0x89abcdef));
    EXPECT_EQ(high, 0x01d2f3a4);

    ColorRef color = 0xffffff;
    EXPECT_TRUE(ReadColor(root, "LINECOLOR", color));
    EXPECT_EQ(color, MakeColorRef(1, 2, 3));

    QString s = QStringLiteral("kept");
    EXPECT_FALSE(ReadString(root, "EMPTY", s));
    EXPECT_EQ(s, QStringLiteral("kept"));
}

TEST(XmlValues, ColourNeedsBlueAndMasksComponents)
{
    pugi::xml_document doc;
    pugi::xml_node root = doc.append_child("ROOT");
    WriteInt(root, "FILLCOLORR", 300); // 300 & 0xff = 44
    WriteInt(root, "FILLCOLORG", 5);
    ColorRef color = MakeColorRef(9, 9, 9);
    EXPECT_FALSE(ReadColor(root, "FILLCOLOR", color));
    EXPECT_EQ(color, MakeColorRef(9, 9, 9));
    WriteInt(root, "FILLCOLORB", 6);
    EXPECT_TRUE(ReadColor(root, "FILLCOLOR", color));
    EXPECT_EQ(color, MakeColorRef(44, 5, 6));

    // A point missing Y keeps that part.
    pugi::xml_node point = root.append_child("POINT");
    WriteInt(point, "X", 3);
    QPoint p(1, 2);
    EXPECT_TRUE(ReadPoint(point, p));
    EXPECT_EQ(p, QPoint(3, 2));
}

TEST(XmlValues, TrickyStringsSurviveARealFile)
{
    QString controls;
    for (char16_t c = 0; c < 0x20; ++c)
        controls += QChar(c);
    const QStringList values = {
        QStringLiteral(" "),
        QStringLiteral("   \t  "),
        QStringLiteral("  leading and trailing  "),
        QStringLiteral("line one\r\nline two\r\n"),
        QStringLiteral("bare\rcarriage return and bare\nline feed"),
        QStringLiteral("Grüße, 日本語, emoji 🎵, <tags> & \"quotes\" 'apos' ]]>"),
        controls,
        QString(QChar(0xE000)) + QStringLiteral("private use") + QChar(0xE100) + QChar(0xE000) + QChar(0xE105),
        QString(QChar(0xFFFE)) + QChar(0xFFFF),
        QStringLiteral("&#13; written literally"),
    };
    SavedStrings saved(values);
    EXPECT_EQ(saved.Values(), values);

    QFile file(saved.path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>"));
    EXPECT_FALSE(bytes.contains('\r')); // carriage returns travel as references
    EXPECT_TRUE(bytes.contains("&#13;"));
    EXPECT_FALSE(bytes.contains('\x01'));

    // xmllint comes with the build dependencies (libxml2-utils).
    const QString xmllint = QStandardPaths::findExecutable(QStringLiteral("xmllint"));
    ASSERT_FALSE(xmllint.isEmpty()) << "xmllint is missing: run scripts/install-deps.sh";
    QProcess lint;
    lint.start(xmllint, {QStringLiteral("--noout"), saved.path});
    ASSERT_TRUE(lint.waitForFinished(30000));
    EXPECT_EQ(lint.exitCode(), 0) << lint.readAllStandardError().toStdString();
}

TEST(XmlValues, ReadsTextWrittenByOtherTools)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("other.xml"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    // Raw CR LF, a CDATA section, a character reference to a control character.
    file.write("<?xml version=\"1.0\"?>\n<ROOT>\n  <A>one\r\ntwo</A>\n  <B><![CDATA[<raw>]]></B>\n  <C>  </C>\n</ROOT>\n");
    file.close();
    pugi::xml_document doc;
    ASSERT_TRUE(LoadXmlFile(path, doc).ok);
    const pugi::xml_node root = doc.child("ROOT");
    EXPECT_EQ(ElementText(root.child("A")), QStringLiteral("one\r\ntwo"));
    EXPECT_EQ(ElementText(root.child("B")), QStringLiteral("<raw>"));
    EXPECT_EQ(ElementText(root.child("C")), QStringLiteral("  "));
}

TEST(XmlFile, ReportsWhyAFileCouldNotBeRead)
{
    QTemporaryDir dir;
    pugi::xml_document doc;

    const QString broken = dir.filePath(QStringLiteral("broken.xml"));
    QFile file(broken);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<ROOT>\n  <A>x</B>\n</ROOT>");
    file.close();
    XmlLoadResult result = LoadXmlFile(broken, doc);
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.read);
    EXPECT_EQ(result.line, 2);
    EXPECT_EQ(result.column, 10);
    EXPECT_EQ(result.Message(), result.reason + QStringLiteral("\n\n 2\n 10"));
    EXPECT_FALSE(result.reason.isEmpty());

    result = LoadXmlFile(dir.filePath(QStringLiteral("missing.xml")), doc);
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.read);
    EXPECT_TRUE(result.reason.contains(QStringLiteral("missing.xml")));

    result = LoadXmlFile(dir.path(), doc);
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.reason.contains(QStringLiteral("folder")));
}

namespace {

QByteArray Encoded(const char* encoding, const QString& text, bool byteOrderMark)
{
    QStringEncoder encoder(encoding, byteOrderMark ? QStringConverter::Flag::WriteBom : QStringConverter::Flag::Default);
    return encoder(text);
}

QByteArray Declared(const char* encoding, bool byteOrderMark = false)
{
    const QString xml = QStringLiteral("<?xml version=\"1.0\" encoding=\"%1\"?>\n<A>Caf\u00e9 \u20ac \u201cq\u201d</A>")
                            .arg(QLatin1String(encoding));
    return Encoded(encoding, xml, byteOrderMark);
}

// The bytes loaded from a real file.
XmlLoadResult LoadBytes(const QByteArray& bytes, pugi::xml_document& doc)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bytes.xml"));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    return LoadXmlFile(path, doc);
}

// Many references to one long entity: each within the reader's own limit,
// together far more text than the file.
QByteArray ManyLongEntities()
{
    QByteArray xml = "<!DOCTYPE A [<!ENTITY e \"" + QByteArray(4000, 'x') + "\">]><A>";
    for (int i = 0; i < 5000; ++i)
        xml += "&e;";
    return xml + "</A>";
}

} // namespace

TEST(XmlFile, DecodesDeclaredEncodingsAndExpandsInternalEntities)
{
    const QString cafe = QStringLiteral("Caf\u00e9 \u20ac \u201cq\u201d");
    const struct
    {
        const char* name;
        QByteArray bytes;
        QString text;
    } cases[] = {
        {"windows-1252", Declared("windows-1252"), cafe},
        {"ISO-8859-15", "<?xml version='1.0' encoding='ISO-8859-15'?><A>Caf\xE9 \xA4</A>", QStringLiteral("Caf\u00e9 \u20ac")},
        {"ISO-8859-1", "<?xml version=\"1.0\" encoding=\"iso-8859-1\"?><A>Caf\xE9</A>", QStringLiteral("Caf\u00e9")},
        {"UTF-16LE with BOM", Declared("UTF-16LE", true), cafe},
        {"UTF-16BE without BOM", Declared("UTF-16BE"), cafe},
        {"UTF-16 undeclared", Encoded("UTF-16LE", QStringLiteral("<A>\u20ac</A>"), false), QStringLiteral("\u20ac")},
        {"UTF-32LE with BOM", Declared("UTF-32LE", true), cafe},
        {"UTF-32BE without BOM", Declared("UTF-32BE"), cafe},
        {"UTF-8 with BOM", "\xEF\xBB\xBF<A>Caf\xC3\xA9</A>", QStringLiteral("Caf\u00e9")},
        {"internal entity", "<!DOCTYPE A [<!ENTITY label \"Disc &amp; Co\">]><A>[&label;]</A>", QStringLiteral("[Disc & Co]")},
        {"references", "<A>&lt;&#x20AC;&#233;&amp;</A>", QStringLiteral("<\u20ac\u00e9&")},
        {"ampersand in CDATA", "<A><![CDATA[a & b]]></A>", QStringLiteral("a & b")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        pugi::xml_document doc;
        const XmlLoadResult result = LoadBytes(c.bytes, doc);
        ASSERT_TRUE(result.ok) << result.Message().toStdString();
        EXPECT_EQ(ElementText(doc.child("A")), c.text);
    }
}

TEST(XmlFile, RefusesWhatIsNotWellFormedWithItsPlace)
{
    const struct
    {
        const char* name;
        QByteArray bytes;
        int line;
        int column; // 0: not checked
    } cases[] = {
        {"bad UTF-8 byte", "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<A>Caf\xE9</A>", 2, 7},
        {"bad UTF-8 undeclared", "<A>\n\n  x\xC3(</A>", 3, 4},
        {"undefined entity", "<A>\nA&nbsp;B</A>", 2, 0},
        {"second root", "<A>x</A>\n<B/>", 2, 0},
        {"undeclared with external DTD", "<!DOCTYPE A SYSTEM \"http://127.0.0.1:9/a.dtd\">\n<A>&e;</A>", 2, 0},
        {"external entity", "<!DOCTYPE A [<!ENTITY e SYSTEM \"file:///etc/hostname\">]>\n<A>&e;</A>", 1, 0},
        {"nested expansion", "<!DOCTYPE A [<!ENTITY a \"&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;\">"
                             "<!ENTITY b \"&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;\"><!ENTITY c \"xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx\">]>"
                             "<A>&a;</A>", 1, 0},
        {"many expansions", ManyLongEntities(), 1, 0},
        {"unknown encoding", "<?xml version=\"1.0\" encoding=\"no-such-code\"?><A/>", 1, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        pugi::xml_document doc;
        const XmlLoadResult result = LoadBytes(c.bytes, doc);
        EXPECT_FALSE(result.ok);
        EXPECT_TRUE(result.read);
        EXPECT_FALSE(result.reason.isEmpty());
        EXPECT_EQ(result.line, c.line) << result.reason.toStdString();
        if (c.column) {
            EXPECT_EQ(result.column, c.column) << result.reason.toStdString();
        }
        EXPECT_FALSE(doc.first_child());
    }
}
