// Preferences: defaults, how the home folder and Covermint.pref are found,
// the reading exceptions, a corrupt file, and the small shared helpers.
#include "document/CPreferences.h"
#include "base/DateText.h"
#include "base/XmlFile.h"
#include "base/XmlValues.h"
#include "platform/RecordingPrompter.h"
#include "support/TempHome.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString kMissingFirst = QStringLiteral("I could not find the preferences file in %1 or the current directory.  Creating default.");

QString RegisteredHome()
{
    return QSettings(QStringLiteral("Covermint"), QStringLiteral("Covermint")).value(QStringLiteral("HOMEDIR")).toString();
}

// Runs a test body with another current directory.
class CCurrentDirectory
{
public:
    explicit CCurrentDirectory(const QString& path) : m_previous(QDir::currentPath()) { QDir::setCurrent(path); }
    ~CCurrentDirectory() { QDir::setCurrent(m_previous); }

private:
    QString m_previous;
};

QByteArray PrefFile(const QByteArray& children)
{
    return "<?xml version=\"1.0\"?><COVERMINTPREFERENCES> " + children + "</COVERMINTPREFERENCES>";
}

} // namespace

TEST(Preferences, FirstStartInAHomeWithTemplatesWritesDefaultsSilently)
{
    CRecordingPrompter prompter;
    CTempHome home;
    CPreferences& prefs = CPreferences::Instance();
    EXPECT_TRUE(prompter.messages.isEmpty()) << prompter.messages.join(u'|').toStdString();
    EXPECT_TRUE(QFile::exists(home.FilePath(QStringLiteral("Covermint.pref"))));
    EXPECT_EQ(prefs.HomeFolder(), home.Path());

    // The defaults a first start writes and reads back.
    EXPECT_EQ(prefs.LabelDrive(), QStringLiteral("/"));
    EXPECT_EQ(prefs.Display().showFileDateFormat, QStringLiteral("%d/%m/%y"));
    EXPECT_EQ(prefs.Display().sizeUnits, QStringLiteral("K"));
    EXPECT_EQ(prefs.Font().faceName, QStringLiteral("Times New Roman"));
    EXPECT_EQ(prefs.FillColor(), MakeColorRef(255, 255, 255));
    EXPECT_EQ(prefs.ActiveTab(), -1);
    EXPECT_EQ(prefs.CurrentCddbSite(), QStringLiteral("gnudb.gnudb.org/~cddb/cddb.cgi (Default Site)"));

    // The written file holds the fields in the file order.
    pugi::xml_document doc;
    ASSERT_TRUE(LoadXmlFile(prefs.PreferencesPath(), doc).ok);
    const pugi::xml_node root = doc.child("COVERMINTPREFERENCES");
    EXPECT_EQ(ElementText(root), QStringLiteral(" "));
    QStringList names;
    for (pugi::xml_node n = root.first_child(); n; n = n.next_sibling())
        if (n.type() == pugi::node_element)
            names << QString::fromUtf8(n.name());
    EXPECT_EQ(names.first(), QStringLiteral("LABELDRIVE"));
    EXPECT_EQ(names.indexOf(QStringLiteral("PROXY_INUSE")), 1);
    EXPECT_EQ(names.indexOf(QStringLiteral("SHOWFILEDATEFORMAT")) + 1, names.indexOf(QStringLiteral("PENWIDTH")));
    EXPECT_EQ(names.last(), QStringLiteral("CURRENTCDDBSITE"));
    EXPECT_FALSE(names.contains(QStringLiteral("SIZEUNITS")));
}

TEST(Preferences, SettersSaveAndTheFileReadsBack)
{
    CTempHome home;
    {
        CPreferences& prefs = CPreferences::Instance();
        prefs.SetLabelDrive(QStringLiteral("/media/disc"));
        prefs.SetProxyHost(QStringLiteral("proxy.example"));
        prefs.SetProxyPort(3128);
        prefs.SetProxyPassword(QStringLiteral(" secret "));
        CDirectoryDisplaySettings display = prefs.Display();
        display.dirDepth = 999;
        display.columnWidth = 2.25;
        display.showFileDateFormat = QStringLiteral("%Y-%b-%d");
        prefs.SetDisplay(display);
        prefs.SetFont(FontSpec{QStringLiteral("Arial"), 90, FontSpec::Bold, FontSpec::JustifyCenter, 9.5});
        prefs.SetTextColor(MakeColorRef(10, 20, 30));
        prefs.SetCddbSites({QStringLiteral("a"), QStringLiteral("b")});
        prefs.SetActiveTab(1);
    }
    CPreferences::Reset();
    CPreferences& prefs = CPreferences::Instance();
    EXPECT_EQ(prefs.LabelDrive(), QStringLiteral("/media/disc"));
    EXPECT_EQ(prefs.ProxyHost(), QStringLiteral("proxy.example"));
    EXPECT_EQ(prefs.ProxyPort(), 3128);
    EXPECT_EQ(prefs.ProxyPassword(), QStringLiteral(" secret "));
    EXPECT_EQ(prefs.Display().dirDepth, 999);
    EXPECT_NEAR(prefs.Display().columnWidth, 2.25, 1e-6);
    EXPECT_EQ(prefs.Display().showFileDateFormat, QStringLiteral("%Y-%b-%d"));
    EXPECT_EQ(prefs.Font(), (FontSpec{QStringLiteral("Arial"), 90, FontSpec::Bold, FontSpec::JustifyCenter, 9.5}));
    EXPECT_EQ(prefs.TextColor(), MakeColorRef(10, 20, 30));
    EXPECT_EQ(prefs.CddbSites(), (QStringList{QStringLiteral("a"), QStringLiteral("b")}));
    EXPECT_EQ(prefs.ActiveTab(), 1);
}

TEST(Preferences, ReadingExceptionsAndTheSiteList)
{
    CTempHome home;
    home.WriteFile(QStringLiteral("Covermint.pref"),
        PrefFile("<LABELDRIVE>2:</LABELDRIVE><PENWIDTH></PENWIDTH><DIRDEPTH>3x</DIRDEPTH>"
                 "<CDDBSITE>one</CDDBSITE><CDDBSITE></CDDBSITE><CDDBSITE>two</CDDBSITE><CDDBSITE>three</CDDBSITE>"
                 "<FILLCOLORR>1</FILLCOLORR><FILLCOLORG>2</FILLCOLORG>"));
    CPreferences& prefs = CPreferences::Instance();
    EXPECT_EQ(prefs.LabelDrive(), QStringLiteral("/")); // a digit first is refused
    EXPECT_EQ(prefs.ProxyPort(), 0);
    EXPECT_EQ(prefs.PenWidth(), 2); // empty keeps the default
    EXPECT_EQ(prefs.Display().dirDepth, 3);
    EXPECT_EQ(prefs.CddbSites(), (QStringList{QStringLiteral("one"), QStringLiteral("two"), QStringLiteral("three")}));
    EXPECT_EQ(prefs.FillColor(), MakeColorRef(255, 255, 255)); // no FILLCOLORB

    for (const char* drive : {"\\\\server\\share", "D:\\", "/mnt/cd"}) {
        home.WriteFile(QStringLiteral("Covermint.pref"), PrefFile(QByteArray("<LABELDRIVE>") + drive + "</LABELDRIVE>"));
        CPreferences::Reset();
        EXPECT_EQ(CPreferences::Instance().LabelDrive(), QString::fromLatin1(drive));
    }
    home.WriteFile(QStringLiteral("Covermint.pref"), PrefFile("<LABELDRIVE>Ä:</LABELDRIVE>"));
    CPreferences::Reset();
    EXPECT_EQ(CPreferences::Instance().LabelDrive(), QStringLiteral("/")); // not an ASCII letter
}

TEST(Preferences, BytesThatAreNoPreferencesSayWhyAndChangeNothing)
{
    CRecordingPrompter prompter;
    CTempHome home;
    CPreferences& prefs = CPreferences::Instance();
    const XmlLoadResult other = prefs.Read("<OTHER><PENWIDTH>5</PENWIDTH></OTHER>");
    EXPECT_FALSE(other.ok);
    EXPECT_TRUE(other.reason.contains(QStringLiteral("COVERMINTPREFERENCES")));
    const XmlLoadResult broken = prefs.Read("<COVERMINTPREFERENCES>\n<PENWIDTH>5");
    EXPECT_FALSE(broken.ok);
    EXPECT_EQ(broken.line, 2);
    EXPECT_EQ(prefs.PenWidth(), 2);
    ASSERT_TRUE(prefs.Read(PrefFile("<PENWIDTH>7</PENWIDTH>")).ok);
    EXPECT_EQ(prefs.PenWidth(), 7);
}

TEST(Preferences, CorruptFileIsKeptAndReplacedByDefaults)
{
    CRecordingPrompter prompter;
    CTempHome home;
    const QByteArray corrupt = "<COVERMINTPREFERENCES><PENWIDTH>7</PENWID";
    home.WriteFile(QStringLiteral("Covermint.pref"), corrupt);
    home.WriteFile(QStringLiteral("Covermint.pref.corrupt"), "an older one");
    CPreferences& prefs = CPreferences::Instance();
    EXPECT_EQ(prefs.PenWidth(), 2);
    ASSERT_EQ(prompter.messages.size(), 1);
    EXPECT_TRUE(prompter.messages[0].contains(QStringLiteral("Covermint.pref.corrupt.2")));

    QFile kept(home.FilePath(QStringLiteral("Covermint.pref.corrupt.2")));
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), corrupt);
    QFile older(home.FilePath(QStringLiteral("Covermint.pref.corrupt")));
    ASSERT_TRUE(older.open(QIODevice::ReadOnly));
    EXPECT_EQ(older.readAll(), QByteArray("an older one"));
    pugi::xml_document doc;
    EXPECT_TRUE(LoadXmlFile(prefs.PreferencesPath(), doc).ok); // defaults written in its place

    // A well-formed file of another kind counts as corrupt too.
    home.WriteFile(QStringLiteral("Covermint.pref"), "<SOMETHINGELSE/>");
    CPreferences::Reset();
    CPreferences::Instance();
    EXPECT_EQ(prompter.messages.size(), 2);
    EXPECT_TRUE(QFile::exists(home.FilePath(QStringLiteral("Covermint.pref.corrupt.3"))));
}

TEST(Preferences, LocateStepsWithoutTemplates)
{
    CRecordingPrompter prompter;
    QTemporaryDir current;
    CCurrentDirectory cd(current.path());

    // Step 3: neither the home nor the current directory has "Templates".
    {
        CTempHome home(false);
        QString folder;
        EXPECT_FALSE(CPreferences::Instance().GetHomeFolder(folder));
        EXPECT_EQ(folder, home.Path());
        EXPECT_EQ(prompter.messages, QStringList{kMissingFirst.arg(home.Path())});
        EXPECT_TRUE(QFile::exists(home.FilePath(QStringLiteral("Covermint.pref"))));
        // Found the next time.
        CPreferences::Reset();
        EXPECT_TRUE(CPreferences::Instance().GetHomeFolder(folder));
        EXPECT_EQ(prompter.messages.size(), 1);
    }

    // Step 4: the current directory has "Templates" and becomes the home.
    prompter.messages.clear();
    QDir(current.path()).mkpath(QStringLiteral("Templates"));
    const QString currentHome = QDir::currentPath() + u'/';
    {
        CTempHome home(false);
        QFile pref(currentHome + QStringLiteral("Covermint.pref"));
        ASSERT_TRUE(pref.open(QIODevice::WriteOnly));
        pref.write(PrefFile("<PENWIDTH>5</PENWIDTH>"));
        pref.close();
        QString folder;
        EXPECT_TRUE(CPreferences::Instance().GetHomeFolder(folder));
        EXPECT_EQ(folder, currentHome);
        EXPECT_EQ(RegisteredHome(), currentHome);
        EXPECT_EQ(CPreferences::Instance().PenWidth(), 5);
        EXPECT_TRUE(prompter.messages.isEmpty());
        EXPECT_FALSE(QFile::exists(home.FilePath(QStringLiteral("Covermint.pref"))));

        // Same, but without a file there: defaults written there, first message.
        QFile::remove(currentHome + QStringLiteral("Covermint.pref"));
        QSettings(QStringLiteral("Covermint"), QStringLiteral("Covermint")).setValue(QStringLiteral("HOMEDIR"), home.Path());
        CPreferences::Reset();
        EXPECT_FALSE(CPreferences::Instance().GetHomeFolder(folder));
        EXPECT_EQ(folder, currentHome);
        EXPECT_EQ(prompter.messages, QStringList{kMissingFirst.arg(currentHome)});
        EXPECT_TRUE(QFile::exists(currentHome + QStringLiteral("Covermint.pref")));
    }
}

TEST(Preferences, UnregisteredHomeIsTheCurrentDirectory)
{
    CRecordingPrompter prompter;
    QTemporaryDir current;
    QDir(current.path()).mkpath(QStringLiteral("Templates"));
    CCurrentDirectory cd(current.path());
    CTempHome home;
    QSettings(QStringLiteral("Covermint"), QStringLiteral("Covermint")).remove(QStringLiteral("HOMEDIR"));
    CPreferences::Reset();
    EXPECT_EQ(CPreferences::Instance().HomeFolder(), QDir::currentPath() + u'/');
    EXPECT_TRUE(prompter.messages.isEmpty());
}

TEST(Preferences, HomeWithTemplatesThatCannotBeWritten)
{
    CRecordingPrompter prompter;
    CTempHome home;
    // A folder where the file should be: it can be neither opened nor written.
    QDir(home.Path()).mkpath(QStringLiteral("Covermint.pref"));
    QString folder;
    EXPECT_FALSE(CPreferences::Instance().GetHomeFolder(folder));
    EXPECT_EQ(prompter.messages,
        QStringList{QStringLiteral("I could not find the preferences file in %1 or the current directory.").arg(home.Path())});
    EXPECT_EQ(CPreferences::Instance().PenWidth(), 2);
    CPreferences::Instance().SetPenWidth(4); // a failing save is silent
    EXPECT_EQ(CPreferences::Instance().PenWidth(), 4);
    EXPECT_EQ(prompter.messages.size(), 1);
}

TEST(PreferenceHelpers, PathsAndVersion)
{
    EXPECT_EQ(AddTrailingSeparator(QString()), QString());
    EXPECT_EQ(AddTrailingSeparator(QStringLiteral("/home/u")), QStringLiteral("/home/u/"));
    EXPECT_EQ(AddTrailingSeparator(QStringLiteral("/home/u/")), QStringLiteral("/home/u/"));
    EXPECT_EQ(FolderOfPath(QStringLiteral("/home/u/a.cla")), QStringLiteral("/home/u"));
    EXPECT_EQ(FolderOfPath(QStringLiteral("/a.cla")), QString());
    EXPECT_EQ(FolderOfPath(QStringLiteral("a.cla")), QString());
    EXPECT_TRUE(ProgramVersionText().startsWith(QStringLiteral("2.0 Bld ")));
    EXPECT_GT(ProgramVersionText().size(), 8);
}

TEST(PreferenceHelpers, FileDateCodes)
{
    const QDateTime morning(QDate(2026, 12, 7), QTime(9, 5, 3));
    EXPECT_EQ(FormatFileDate(QStringLiteral("%d/%m/%y"), morning), QStringLiteral("7/12/26"));
    EXPECT_EQ(FormatFileDate(QStringLiteral("%B"), morning), QStringLiteral("December"));
    EXPECT_EQ(FormatFileDate(QStringLiteral("%b"), morning), QStringLiteral("Dec"));
    EXPECT_EQ(FormatFileDate(QStringLiteral("%H"), morning), QStringLiteral(" 9"));
    EXPECT_EQ(FormatFileDate(QStringLiteral("%M"), morning), QStringLiteral("05"));
    EXPECT_EQ(FormatFileDate(QStringLiteral("%S"), morning), QStringLiteral("03"));
    EXPECT_EQ(FormatFileDate(QStringLiteral("%p"), morning), QStringLiteral("AM"));
    EXPECT_EQ(FormatFileDate(QStringLiteral("%Y"), morning), QStringLiteral("2026"));
    EXPECT_EQ(FormatFileDate(QStringLiteral("%j %% x%"), morning), QStringLiteral("%j %% x%"));
    EXPECT_EQ(FormatFileDate(QStringLiteral("%d-%d"), morning), QStringLiteral("7-7"));

    const QDateTime noon(QDate(2005, 1, 2), QTime(12, 30));
    EXPECT_EQ(FormatFileDate(QStringLiteral("%I %p %y"), noon), QStringLiteral("12 AM 05"));
    const QDateTime midnight(QDate(2026, 12, 7), QTime(0, 30));
    EXPECT_EQ(FormatFileDate(QStringLiteral("%I"), midnight), QStringLiteral(" 0"));
    const QDateTime evening(QDate(2026, 12, 7), QTime(23, 59));
    EXPECT_EQ(FormatFileDate(QStringLiteral("%I%p %H"), evening), QStringLiteral("11PM 23"));
}

TEST(PreferenceHelpers, TodayDateText)
{
    EXPECT_EQ(FormatDateText(QDate(2026, 12, 7)), QStringLiteral("Monday, December 07, 2026"));
    EXPECT_EQ(FormatDateText(QDate(2024, 2, 29)), QStringLiteral("Thursday, February 29, 2024"));
    EXPECT_EQ(TodayDateText(), FormatDateText(QDate::currentDate()));
}
