#include "document/CPreferences.h"

#include "BuildInfo.h"
#include "base/XmlFile.h"
#include "base/XmlValues.h"
#include "platform/Prompter.h"

#include <QDir>
#include <QFile>
#include <QSettings>

#include <memory>

namespace {

std::unique_ptr<CPreferences> g_instance;

const char kFileName[] = "Covermint.pref";
const char kRootName[] = "COVERMINTPREFERENCES";
const QString kDefaultLabelDrive = QStringLiteral("/");

QSettings HomeSettings()
{
    return QSettings(QStringLiteral("Covermint"), QStringLiteral("Covermint"));
}

bool CanOpenForReading(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly);
}

bool HasTemplatesFolder(const QString& folder)
{
    return QDir(AddTrailingSeparator(folder) + QStringLiteral("Templates")).exists();
}

QString NotFoundMessage(const QString& home, bool creatingDefault)
{
    QString text = QStringLiteral("I could not find the preferences file in %1 or the current directory.").arg(home);
    if (creatingDefault)
        text += QStringLiteral("  Creating default.");
    return text;
}

// A drive is a folder path, a backslash path from older files, or a letter.
bool IsAcceptableLabelDrive(const QString& drive)
{
    if (drive.isEmpty())
        return false;
    const QChar first = drive.at(0);
    return first == u'/' || first == u'\\' || (first.unicode() < 128 && first.isLetter());
}

// Moves a file that cannot be parsed out of the way under a name not yet
// taken, so that saving the defaults does not destroy it.
QString SetAsideCorruptFile(const QString& path)
{
    QString target = path + QStringLiteral(".corrupt");
    for (int n = 2; QFile::exists(target) && n < 1000; ++n)
        target = path + QStringLiteral(".corrupt.%1").arg(n);
    return QFile::rename(path, target) ? target : QString();
}

// The drawing layer keeps its attributes and finds pictures through this,
// whichever preferences object is current.
class PreferencesDrawingStore final : public IDrawingSettingsStore
{
public:
    DrawingAttributes Attributes() override { return CPreferences::Instance().Attributes(); }
    void SetAttributes(const DrawingAttributes& attributes) override
    {
        CPreferences::Instance().SetAttributes(attributes);
    }
    QString HomeFolder() override { return CPreferences::Instance().HomeFolder(); }
};

const bool g_storeInstalled = [] {
    static PreferencesDrawingStore store;
    CDrawingDefaults::Instance().SetStore(&store);
    return true;
}();

} // namespace

CPreferences& CPreferences::Instance()
{
    if (!g_instance) {
        g_instance.reset(new CPreferences());
        g_instance->Load();
    }
    return *g_instance;
}

void CPreferences::Reset()
{
    g_instance.reset();
}

CPreferences::CPreferences()
    : m_labelDrive(kDefaultLabelDrive)
    , m_currentCddbSite(DefaultCddbSite())
{
    m_display.showFileDateFormat = QStringLiteral("%d/%m/%y");
}

QString CPreferences::DefaultCddbSite()
{
    return QStringLiteral("gnudb.gnudb.org/~cddb/cddb.cgi (Default Site)");
}

bool CPreferences::GetHomeFolder(QString& folder)
{
    if (!m_homeFolder.isEmpty()) {
        folder = m_homeFolder;
        return m_fileFound;
    }
    QString home = HomeSettings().value(QStringLiteral("HOMEDIR")).toString();
    if (home.isEmpty())
        home = QDir::currentPath();
    m_homeFolder = AddTrailingSeparator(home);
    m_fileFound = LocatePreferencesFile();
    folder = m_homeFolder;
    return m_fileFound;
}

QString CPreferences::HomeFolder()
{
    QString folder;
    GetHomeFolder(folder);
    return folder;
}

void CPreferences::SetHomeFolder(const QString& folder)
{
    m_homeFolder = AddTrailingSeparator(folder);
    QSettings settings = HomeSettings();
    settings.setValue(QStringLiteral("HOMEDIR"), m_homeFolder);
    settings.sync();
}

QString CPreferences::PreferencesPath()
{
    return AddTrailingSeparator(m_homeFolder) + QLatin1String(kFileName);
}

bool CPreferences::LocatePreferencesFile()
{
    if (CanOpenForReading(PreferencesPath()))
        return true;
    if (HasTemplatesFolder(m_homeFolder)) {
        Save();
        if (CanOpenForReading(PreferencesPath()))
            return true;
        Prompter().ShowMessage(NotFoundMessage(m_homeFolder, false));
        return false;
    }
    const QString current = QDir::currentPath();
    if (!HasTemplatesFolder(current)) {
        Save();
        Prompter().ShowMessage(NotFoundMessage(m_homeFolder, true));
        return false;
    }
    SetHomeFolder(current);
    if (CanOpenForReading(PreferencesPath()))
        return true;
    Save();
    Prompter().ShowMessage(NotFoundMessage(m_homeFolder, true));
    return false;
}

void CPreferences::Load()
{
    QString home;
    GetHomeFolder(home);
    m_labelDrive = kDefaultLabelDrive;

    const QString path = PreferencesPath();
    if (!QFile::exists(path))
        return;
    pugi::xml_document document;
    const XmlLoadResult loaded = Apply(document, LoadXmlFile(path, document));
    if (!loaded.read || loaded.ok)
        return;
    const QString keptAs = SetAsideCorruptFile(path);
    if (keptAs.isEmpty()) {
        Prompter().ShowMessage(QStringLiteral("The preferences file %1 could not be read (%2). The defaults are used for now.")
                                   .arg(path, loaded.reason), CPrompter::Icon::Warning);
        return;
    }
    Save();
    Prompter().ShowMessage(QStringLiteral("The preferences file %1 could not be read (%2). It was kept as %3 and the defaults are used.")
                               .arg(path, loaded.reason, keptAs), CPrompter::Icon::Warning);
}

XmlLoadResult CPreferences::Read(const QByteArray& bytes)
{
    pugi::xml_document document;
    return Apply(document, LoadXmlBytes(bytes, document));
}

XmlLoadResult CPreferences::Apply(const pugi::xml_document& document, XmlLoadResult loaded)
{
    if (!loaded.ok)
        return loaded;
    const pugi::xml_node root = document.child(kRootName);
    if (!root) {
        loaded.ok = false;
        loaded.reason = QStringLiteral("no %1 element").arg(QLatin1String(kRootName));
        return loaded;
    }
    m_proxyPort = 0; // a missing port reads as 0
    PersistFields(false, root, Fields());
    if (!IsAcceptableLabelDrive(m_labelDrive))
        m_labelDrive = kDefaultLabelDrive;
    m_cddbSites.clear();
    for (pugi::xml_node site = root.child("CDDBSITE"); site; site = site.next_sibling("CDDBSITE")) {
        const QString text = ElementText(site);
        if (!text.isEmpty())
            m_cddbSites << text;
    }
    m_calibrations = ReadCalibrations(root);
    return loaded;
}

bool CPreferences::Save()
{
    pugi::xml_document document;
    ResetXmlDocument(document);
    const pugi::xml_node root = WriteContainer(document, kRootName);
    PersistFields(true, root, Fields());
    for (const QString& site : m_cddbSites)
        WriteString(root, "CDDBSITE", site);
    WriteCalibrations(root, m_calibrations);
    return SaveXmlFile(document, PreferencesPath());
}

std::vector<KeyedField> CPreferences::Fields()
{
    std::vector<KeyedField> fields = {
        {"LABELDRIVE", &m_labelDrive},
        {"PROXY_INUSE", &m_proxyInUse},
        {"PROXY_PORT", &m_proxyPort},
        {"PROXY_HOST", &m_proxyHost},
        {"PROXY_PASSWORD", &m_proxyPassword},
        {"PROXY_USER", &m_proxyUser},
    };
    for (const KeyedField& f : m_display.Fields({"DIRDEPTH", "COLUMNWIDTH", "COLUMNSEPARATORS", "UNDERLINEROWS", "SHOWDIRLINES",
             "DIRALWAYSBOLD", "SHOWFILES", "SHOWDIRECTORIES", "SHOWSONGLENGTH", "SHOWEXTENSION", "SHOWSIZE",
             "SHOWFILEDATE", "SHOWFILEDATEFORMAT"}))
        fields.push_back(f);
    fields.insert(fields.end(), {
        {"PENWIDTH", &m_attributes.penWidth},
        {"PTSIZE", &m_attributes.font.pointSize},
        {"FACENAME", &m_attributes.font.faceName},
        {"ROTATION", &m_attributes.font.rotation},
        {"JUSTIFICATION", &m_attributes.font.justification},
        {"FONTATTR", &m_attributes.font.attributes},
        {"LINECOLOR", &m_attributes.lineColor},
        {"FILLCOLOR", &m_attributes.fillColor},
        {"TEXTCOLOR", &m_attributes.textColor},
        {"HOLLOWFILL", &m_attributes.hollowFill},
        {"ACTIVETAB", &m_activeTab},
        {"CURRENTCDDBSITE", &m_currentCddbSite},
    });
    return fields;
}

// Every setter stores the value, then writes the whole file.
#define COVERMINT_PREF_SETTER(Name, Type, member) \
    void CPreferences::Set##Name(Type v)          \
    {                                             \
        member = v;                               \
        Save();                                   \
    }

COVERMINT_PREF_SETTER(LabelDrive, const QString&, m_labelDrive)
COVERMINT_PREF_SETTER(ProxyHost, const QString&, m_proxyHost)
COVERMINT_PREF_SETTER(ProxyPassword, const QString&, m_proxyPassword)
COVERMINT_PREF_SETTER(ProxyPort, int, m_proxyPort)
COVERMINT_PREF_SETTER(ProxyUser, const QString&, m_proxyUser)
COVERMINT_PREF_SETTER(ProxyInUse, bool, m_proxyInUse)
COVERMINT_PREF_SETTER(Display, const CDirectoryDisplaySettings&, m_display)
COVERMINT_PREF_SETTER(Attributes, const DrawingAttributes&, m_attributes)
COVERMINT_PREF_SETTER(Font, const FontSpec&, m_attributes.font)
COVERMINT_PREF_SETTER(PenWidth, int, m_attributes.penWidth)
COVERMINT_PREF_SETTER(LineColor, ColorRef, m_attributes.lineColor)
COVERMINT_PREF_SETTER(FillColor, ColorRef, m_attributes.fillColor)
COVERMINT_PREF_SETTER(TextColor, ColorRef, m_attributes.textColor)
COVERMINT_PREF_SETTER(HollowFill, int, m_attributes.hollowFill)
COVERMINT_PREF_SETTER(ActiveTab, int, m_activeTab)
COVERMINT_PREF_SETTER(CurrentCddbSite, const QString&, m_currentCddbSite)
COVERMINT_PREF_SETTER(CddbSites, const QStringList&, m_cddbSites)

#undef COVERMINT_PREF_SETTER

std::optional<PrinterCalibration> CPreferences::Calibration(const QString& printer) const
{
    for (const PrinterCalibration& c : m_calibrations)
        if (c.printer == printer)
            return c;
    return std::nullopt;
}

void CPreferences::SetCalibration(const PrinterCalibration& v)
{
    std::erase_if(m_calibrations, [&v](const PrinterCalibration& c) { return c.printer == v.printer; });
    if (!v.IsIdentity())
        m_calibrations.push_back(v);
    Save();
}

QString ProgramVersionText()
{
    return QStringLiteral(COVERMINT_PRODUCT_VERSION " Bld " COVERMINT_BUILD_NUMBER);
}
