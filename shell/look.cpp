#include "shell/look.h"

#include "shell/style.h"

#include <QApplication>
#include <QDir>
#include <QFontDatabase>
#include <QHash>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace look {

QColor Colour::toQColor() const
{
    switch (m_kind) {
    case Kind::System:
        return systemColour(SystemColour(m_value));
    case Kind::Rgb:
        return QColor((m_value >> 16) & 0xFF, (m_value >> 8) & 0xFF, m_value & 0xFF);
    case Kind::None:
        break;
    }
    return {};
}

QColor systemColour(SystemColour index)
{
#ifdef Q_OS_WIN
    const DWORD c = GetSysColor(int(index));
    return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
#else
    // The Windows 10 defaults.
    switch (index) {
    case ActiveCaption:
        return QColor(153, 180, 209);
    case InactiveCaption:
        return QColor(191, 205, 219);
    case ActiveBorder:
        return QColor(180, 180, 180);
    case AppWorkspace:
        return QColor(171, 171, 171);
    case Highlight:
        return QColor(0, 120, 215);
    case ButtonFace:
        return QColor(240, 240, 240);
    }
    return QColor(240, 240, 240);
#endif
}

namespace {
// The installed face each missing family is drawn in, its first stand-in there is.
QHash<QString, QString> &standInFor()
{
    static QHash<QString, QString> families;
    return families;
}
} // namespace

QFont Font::toQFont() const
{
    const QString name = QString::fromLatin1(family);
    QFont font(standInFor().value(name, name));
    font.setPointSizeF(points);
    font.setItalic(italic);
    if (weight > 0)
        font.setWeight(QFont::Weight(weight));
    else
        font.setBold(bold);
    return font;
}

void installFontSubstitutes()
{
    struct Substitute
    {
        const char *family;
        QStringList standIns;
    };
    const Substitute substitutes[] = {
        {"Arial", {"Liberation Sans", "Arimo", "DejaVu Sans"}},
        {"Arial Black", {"Liberation Sans", "DejaVu Sans"}},
        {"MS Sans Serif", {"Microsoft Sans Serif", "Liberation Sans", "DejaVu Sans"}},
        // URW's Z003 comes as OpenType (a foundry fontconfig leaves unknown) and as
        // Type 1, which takes four times as long to open and which Qt would pick.
        {"Brush Script MT",
         {"Z003 [UKWN]", "Z003", "Kaushan Script", "URW Chancery L", "DejaVu Serif"}},
    };
    // Faces shipped beside the program (the Windows installer's script face, for
    // PCs without Office's Brush Script MT).
    const QDir shipped(QCoreApplication::applicationDirPath() + QStringLiteral("/fonts"));
    for (const QString &file :
         shipped.entryList({QStringLiteral("*.otf"), QStringLiteral("*.ttf")}, QDir::Files))
        QFontDatabase::addApplicationFont(shipped.filePath(file));

    // A font names the stand-in itself, as Qt would pick it, where the family is
    // missing: for a missing family Qt looks up its fallback faces at once, and
    // each lookup sorts every font of the system, a millisecond of the first
    // frame a family. The list of families costs nothing more: the first text
    // drawn loads it anyway.
    QStringList installed = QFontDatabase::families();
    // A family made by more than one foundry is listed once for each, as
    // "Family [Foundry]".
    for (qsizetype i = 0, listed = installed.size(); i < listed; ++i) {
        if (const qsizetype foundry = installed[i].indexOf(QLatin1String(" [")); foundry > 0)
            installed.append(installed[i].left(foundry));
    }
    for (const Substitute &s : substitutes) {
        const QString family = QString::fromLatin1(s.family);
        QFont::insertSubstitutions(family, s.standIns);
        if (installed.contains(family, Qt::CaseInsensitive))
            continue;
        for (const QString &standIn : s.standIns) {
            if (installed.contains(standIn, Qt::CaseInsensitive)) {
                standInFor().insert(family, standIn);
                break;
            }
        }
    }
}

// Every text of the program is Italian, so the texts Qt supplies (the entry
// fields' context menu, the calendar's buttons) are too, whatever the system's
// language.
void installItalianQtTexts()
{
    static QPointer<QTranslator> installed;
    if (installed)
        return;
    auto *translator = new QTranslator(QCoreApplication::instance());
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!translator->load(QStringLiteral("qtbase_it"), folder)) {
        qWarning("Traduzione italiana di Qt non trovata in %s: alcuni testi restano in inglese",
                 qPrintable(folder));
        delete translator;
        return;
    }
    QCoreApplication::installTranslator(translator);
    installed = translator;
}

void apply()
{
    QApplication::setStyle(new Style);
    installFontSubstitutes();
    installItalianQtTexts();

    // Every entry field lays out its text in the application's font before it
    // takes its window's: as the program's own font, that costs no face of its
    // own (a millisecond of the viewer's first frame). Qt's windows of its own,
    // its menus, tooltips, calendar and message boxes, keep the fonts the system
    // gives them.
    const char *const qtWindows[] = {"QMenu", "QTipLabel", "QCalendarWidget", "QMessageBox"};
    QList<QFont> systemFonts;
    for (const char *kind : qtWindows)
        systemFonts.append(QApplication::font(kind));
    QApplication::setFont(kDefaultFont.toQFont());
    for (qsizetype i = 0; i < systemFonts.size(); ++i)
        QApplication::setFont(systemFonts[i], qtWindows[i]);
}

} // namespace look
