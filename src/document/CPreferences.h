#pragma once
// The user's defaults and remembered choices, one process-wide object stored
// in Covermint.pref in the home folder. Every setter saves the file at once.
#include "directory/DirectoryDisplaySettings.h"
#include "base/FontSpec.h"
#include "base/Geometry.h"
#include "base/PathText.h"
#include "base/XmlFile.h"
#include "drawing/DrawingDefaults.h"
#include "document/PrinterCalibration.h"

#include <QString>
#include <QStringList>
#include <optional>

class CPreferences
{
public:
    // Created and loaded on first use.
    static CPreferences& Instance();
    // Drops the object so that the next Instance() loads afresh (tests, and
    // after the home folder was registered at first start).
    static void Reset();

    // The home folder with a trailing separator; locates (or creates) the
    // preferences file on first call. Returns whether the file was found.
    bool GetHomeFolder(QString& folder);
    QString HomeFolder();
    void SetHomeFolder(const QString& folder);
    QString PreferencesPath();

    bool Save();
    // Takes the values a preferences file holds; the others stay. Says why
    // when the bytes are no preferences file (nothing is taken then).
    XmlLoadResult Read(const QByteArray& bytes);

    QString LabelDrive() const { return m_labelDrive; }
    void SetLabelDrive(const QString& v);
    QString ProxyHost() const { return m_proxyHost; }
    void SetProxyHost(const QString& v);
    QString ProxyPassword() const { return m_proxyPassword; }
    void SetProxyPassword(const QString& v);
    int ProxyPort() const { return m_proxyPort; }
    void SetProxyPort(int v);
    QString ProxyUser() const { return m_proxyUser; }
    void SetProxyUser(const QString& v);
    bool ProxyInUse() const { return m_proxyInUse != 0; }
    void SetProxyInUse(bool v);

    const CDirectoryDisplaySettings& Display() const { return m_display; }
    void SetDisplay(const CDirectoryDisplaySettings& v);

    // What new primitives start with; the drawing defaults read them here.
    const DrawingAttributes& Attributes() const { return m_attributes; }
    void SetAttributes(const DrawingAttributes& v);
    FontSpec Font() const { return m_attributes.font; }
    void SetFont(const FontSpec& v);
    int PenWidth() const { return m_attributes.penWidth; }
    void SetPenWidth(int v);
    ColorRef LineColor() const { return m_attributes.lineColor; }
    void SetLineColor(ColorRef v);
    ColorRef FillColor() const { return m_attributes.fillColor; }
    void SetFillColor(ColorRef v);
    ColorRef TextColor() const { return m_attributes.textColor; }
    void SetTextColor(ColorRef v);
    int HollowFill() const { return m_attributes.hollowFill; }
    void SetHollowFill(int v);
    int ActiveTab() const { return m_activeTab; }
    void SetActiveTab(int v);
    QString CurrentCddbSite() const { return m_currentCddbSite; }
    void SetCurrentCddbSite(const QString& v);
    QStringList CddbSites() const { return m_cddbSites; }
    void SetCddbSites(const QStringList& v);
    // The correction stored for a printer, by its name.
    std::optional<PrinterCalibration> Calibration(const QString& printer) const;
    // Replaces the printer's entry; a correction that changes nothing drops it.
    void SetCalibration(const PrinterCalibration& v);

    static QString DefaultCddbSite();

private:
    CPreferences();
    void Load();
    XmlLoadResult Apply(const pugi::xml_document& document, XmlLoadResult loaded);
    bool LocatePreferencesFile();
    // Every stored field except the site list, in the file's order.
    std::vector<KeyedField> Fields();

    QString m_homeFolder;
    bool m_fileFound = false; // what locating the file found
    QString m_labelDrive;
    QString m_proxyHost;
    QString m_proxyPassword;
    int m_proxyPort = 0;
    QString m_proxyUser;
    int m_proxyInUse = 0;
    CDirectoryDisplaySettings m_display;
    DrawingAttributes m_attributes;
    int m_activeTab = -1;
    QString m_currentCddbSite;
    QStringList m_cddbSites;
    std::vector<PrinterCalibration> m_calibrations;
};

// "2.0 Bld <build>".
QString ProgramVersionText();
