#include "LanguageMenu.h"

#include "MessageBox.h"
#include "WindowSettings.h"
#include "language/LanguageChoice.h"
#include "translate/Translations.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <functional>

namespace lumetra {

namespace {

struct Choice {
    QString setting; // the value the settings keep
    QString caption;
};

// A submenu of exclusive choices; `chosen` is called with the setting of the one picked.
void AddChoices(QMenu& menu, const QString& title, const std::vector<Choice>& choices,
                const QString& current, const std::function<void(const QString&)>& chosen) {
    QMenu* submenu = menu.addMenu(title);
    auto* group = new QActionGroup(submenu);
    for (const Choice& choice : choices) {
        QAction* action = submenu->addAction(choice.caption);
        action->setCheckable(true);
        action->setChecked(choice.setting == current);
        group->addAction(action);
        QObject::connect(action, &QAction::triggered, submenu,
                         [chosen, setting = choice.setting] { chosen(setting); });
    }
}

std::vector<Choice> LanguageChoices() {
    std::vector<Choice> choices{
        {QString(), QCoreApplication::translate("LanguageMenu", "System language")}};
    for (const std::string_view language : kLanguages)
        choices.push_back(
            {QString::fromLatin1(language.data(), static_cast<qsizetype>(language.size())),
             LanguageName(language)});
    return choices;
}

std::vector<Choice> UnitChoices() {
    return {{QString(), QCoreApplication::translate("LanguageMenu", "System units")},
            {QString::fromLatin1(kMetricSetting.data()),
             QCoreApplication::translate("LanguageMenu", "Metric (m, lx)")},
            {QString::fromLatin1(kImperialSetting.data()),
             QCoreApplication::translate("LanguageMenu", "Imperial (ft, fc)")}};
}

void SaveChoice(QWidget* parent, WindowSettings& settings, const LanguageSection& section) {
    settings.WriteLanguage(section);
    ShowMessage(parent,
                QCoreApplication::translate(
                    "LanguageMenu", "The new choice takes effect the next time Lumetra starts."));
}

} // namespace

void AddLanguageMenus(QMenu& menu, WindowSettings& settings) {
    const LanguageSection current = settings.ReadLanguage();
    QWidget* parent = menu.parentWidget();
    AddChoices(menu, QCoreApplication::translate("LanguageMenu", "Language"), LanguageChoices(),
               current.language, [&settings, parent](const QString& language) {
                   LanguageSection section = settings.ReadLanguage();
                   section.language = language;
                   SaveChoice(parent, settings, section);
               });
    AddChoices(menu, QCoreApplication::translate("LanguageMenu", "Units"), UnitChoices(),
               current.units, [&settings, parent](const QString& units) {
                   LanguageSection section = settings.ReadLanguage();
                   section.units = units;
                   SaveChoice(parent, settings, section);
               });
}

} // namespace lumetra
