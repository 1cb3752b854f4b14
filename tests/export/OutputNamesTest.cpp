// Names of batch output files: safe for the file system, never replacing
// an earlier file.
#include "export/OutputNames.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(OutputNamesTest, SafeFileNames)
{
    const struct
    {
        QString in;
        QString out;
    } cases[] = {
        {QStringLiteral("Artist - Title"), QStringLiteral("Artist - Title")},
        {QStringLiteral("AC/DC - Back in Black"), QStringLiteral("AC_DC - Back in Black")},
        {QStringLiteral("a\\b:c*d?e\"f<g>h|i"), QStringLiteral("a_b_c_d_e_f_g_h_i")},
        {QStringLiteral("line\nbreak\ttab"), QStringLiteral("line_break_tab")},
        {QStringLiteral("  ..hidden.. "), QStringLiteral("hidden")},
        {QStringLiteral(".."), QStringLiteral("Medium")},
        {QStringLiteral("/"), QStringLiteral("_")},
        {QString(), QStringLiteral("Medium")},
        {QStringLiteral("Sigur Rós – Ágætis byrjun"), QStringLiteral("Sigur Rós – Ágætis byrjun")},
        {QString(200, QLatin1Char('x')), QString(80, QLatin1Char('x'))},
    };
    for (const auto& c : cases)
        EXPECT_EQ(OutputNames::SafeFileName(c.in), c.out) << c.in.toStdString();
}

TEST(OutputNamesTest, FinishedFilesNeverReplaceEarlierOnes)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    auto write = [&](const QString& name, const QByteArray& content) {
        QFile file(dir.filePath(name));
        return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
    };
    QStringList finals;
    for (const QByteArray content : {"one", "two", "three"}) {
        ASSERT_TRUE(write(QStringLiteral(".part.pdf"), content));
        QString error;
        finals << QFileInfo(OutputNames::MoveToFreeName(dir.filePath(QStringLiteral(".part.pdf")), dir.path(),
                                                        QStringLiteral("Disc"), QStringLiteral(".pdf"), &error))
                      .fileName();
        EXPECT_TRUE(error.isEmpty()) << error.toStdString();
    }
    EXPECT_EQ(finals, (QStringList{QStringLiteral("Disc.pdf"), QStringLiteral("Disc (2).pdf"),
                                   QStringLiteral("Disc (3).pdf")}));
    QFile first(dir.filePath(QStringLiteral("Disc.pdf")));
    ASSERT_TRUE(first.open(QIODevice::ReadOnly));
    EXPECT_EQ(first.readAll(), "one");
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral(".part.pdf"))));

    QString error;
    EXPECT_TRUE(OutputNames::MoveToFreeName(dir.filePath(QStringLiteral("missing.pdf")), dir.path(),
                                            QStringLiteral("Other"), QStringLiteral(".pdf"), &error)
                    .isEmpty());
    EXPECT_FALSE(error.isEmpty());
}

} // namespace
