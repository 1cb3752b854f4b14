#include "app/HelpLinks.h"

#include "document/CPreferences.h"
#include "platform/Prompter.h"
#include "toolkit/CommandIds.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QShortcut>
#include <QUrlQuery>
#include <QWidget>

namespace HelpLinks {

QString ManualPath(const QString& homeFolder)
{
    return homeFolder + QStringLiteral("help/index.html");
}

QUrl HelpUrl(const QString& homeFolder, const QString& topic)
{
    QUrl url = QUrl::fromLocalFile(ManualPath(homeFolder));
    if (!topic.isEmpty())
        url.setFragment(topic);
    return url;
}

QUrl LinkUrl(int commandId, const QString& homeFolder)
{
    switch (commandId) {
    case CommandId::LinkCddbHome:
        return QUrl(QStringLiteral("https://gnudb.org/"));
    case CommandId::LinkHome1:
        return HelpUrl(homeFolder);
    case CommandId::LinkMail: {
        // No fixed recipient: the user writes to whom they like.
        QUrl mail(QStringLiteral("mailto:"));
        QUrlQuery query;
        query.addQueryItem(QStringLiteral("subject"), QStringLiteral("Covermint, a disc label designer"));
        query.addQueryItem(QStringLiteral("body"),
                           QStringLiteral("I design my CD, ZIP and JAZ labels with Covermint. "
                                          "Have a look at it."));
        mail.setQuery(query);
        return mail;
    }
    default:
        return {};
    }
}

void Open(const QUrl& url)
{
    if (url.isLocalFile() && !QFileInfo::exists(url.toLocalFile())) {
        Prompter().ShowMessage(QStringLiteral("The manual %1 could not be found.").arg(url.toLocalFile()),
                               CPrompter::Icon::Warning);
        return;
    }
    if (!QDesktopServices::openUrl(url))
        Prompter().ShowMessage(QStringLiteral("Could not open %1.").arg(url.toDisplayString()),
                               CPrompter::Icon::Warning);
}

void AddContextHelp(QWidget* widget, const QString& topic)
{
    auto* shortcut = new QShortcut(QKeySequence(QKeySequence::HelpContents), widget);
    QObject::connect(shortcut, &QShortcut::activated, widget,
                     [topic] { Open(HelpUrl(CPreferences::Instance().HomeFolder(), topic)); });
}

} // namespace HelpLinks
