// The windows in every language Lumetra ships: no label or button text is cut, and the main
// window's controls keep the places they have in English.

#include "SettingsFixture.h"
#include "language/LanguageChoice.h"
#include "translate/Translations.h"
#include "ui/Properties.h"

#include <QAbstractButton>
#include <QLabel>
#include <QStringList>
#include <map>
#include <set>

namespace lumetra::test {
namespace {

// The widest line of a plain text, as the widget's font draws it.
int TextWidth(const QWidget& widget, const QString& text) {
    int widest = 0;
    for (const QString& line : text.split('\n'))
        widest = std::max(widest, widget.fontMetrics().horizontalAdvance(line));
    return widest;
}

bool IsCut(const QLabel& label) {
    if (label.wordWrap() || label.text().isEmpty() || Qt::mightBeRichText(label.text()))
        return false;
    return TextWidth(label, label.text()) > label.contentsRect().width();
}

bool IsCut(const QAbstractButton& button) {
    return !button.text().isEmpty() && button.sizeHint().width() > button.width();
}

// The visible labels and buttons whose text does not fit, by their place among the window's
// children (the same in every language), with the text that did not fit.
std::map<int, QString> CutTexts(const QWidget& window) {
    std::map<int, QString> cut;
    const QList<QWidget*> children = window.findChildren<QWidget*>();
    for (int i = 0; i < children.size(); ++i) {
        const QWidget* child = children[i];
        if (!child->isVisible())
            continue;
        if (const auto* label = qobject_cast<const QLabel*>(child); label && IsCut(*label))
            cut[i] = label->text();
        if (const auto* button = qobject_cast<const QAbstractButton*>(child);
            button && IsCut(*button))
            cut[i] = button->text();
    }
    return cut;
}

// "class x,y" for each visible widget of the window (not of windows it owns), in the order they
// were made. Labels sized to their text may be narrower or wider; where they stand stays.
std::vector<std::string> ChildPlaces(const QWidget& window) {
    std::vector<std::string> places;
    for (const QWidget* child : window.findChildren<QWidget*>()) {
        if (!child->isVisible() || child->window() != &window)
            continue;
        places.push_back(QString("%1 %2,%3")
                             .arg(child->metaObject()->className())
                             .arg(child->x())
                             .arg(child->y())
                             .toStdString());
    }
    return places;
}

class LanguageLayout : public SettingsFixture {
  protected:
    void TearDown() override {
        properties.reset();
        SettingsFixture::TearDown();
        InstallTranslations("en");
    }

    // Starts the windows in `language` with a sample loaded and the Properties window open.
    void StartIn(std::string_view language) {
        properties.reset();
        render.reset();
        main.reset();
        ASSERT_TRUE(InstallTranslations(language)) << language;
        Start();
        properties = std::make_unique<PropertiesWindow>(main->Viewer(), settings.get());
        LinkProperties(*main, *properties);
        main->OpenPath(QSamplePath("lm2002_roadway_quadrant_more_crlf.ies"));
        properties->Open();
        QApplication::processEvents();
    }

    std::vector<const QWidget*> Windows() const {
        return {main.get(), render.get(), properties.get()};
    }

    std::unique_ptr<PropertiesWindow> properties;
};

TEST_F(LanguageLayout, NoTextIsCutAndTheMainWindowKeepsItsPlaces) {
    StartIn("en");
    std::vector<std::map<int, QString>> englishCuts;
    for (const QWidget* window : Windows())
        englishCuts.push_back(CutTexts(*window));
    const std::vector<std::string> englishPlaces = ChildPlaces(*main);
    for (const std::string_view language : kLanguages) {
        StartIn(language);
        const std::vector<const QWidget*> windows = Windows();
        for (std::size_t w = 0; w < windows.size(); ++w)
            for (const auto& [place, text] : CutTexts(*windows[w]))
                EXPECT_TRUE(englishCuts[w].contains(place))
                    << language << ": \"" << text.toStdString() << "\" is cut in "
                    << windows[w]->windowTitle().toStdString();
        EXPECT_EQ(ChildPlaces(*main), englishPlaces) << language;
    }
}

// The description's captions and the selector's caption are translated; in English they stay
// exactly the captions every English test reads.
TEST_F(LanguageLayout, TheMainWindowsCaptionsFollowTheLanguage) {
    const struct {
        std::string_view language;
        const char *first, *manufacturer, *lamp, *axial;
    } rows[] = {
        {"en", "Test: ", "\rManufacturer: ", "\rLamp:", "axially symmetric"},
        {"de", "Prüfbericht: ", "\rHersteller: ", "\rLampe:", "rotationssymmetrisch"},
        {"zh_CN", "测试报告: ", "\r制造商: ", "\r光源:", "轴对称"},
    };
    for (const auto& row : rows) {
        StartIn(row.language);
        const QString description = main->Description();
        EXPECT_TRUE(description.startsWith(QString::fromUtf8(row.first)))
            << row.language << ": " << description.toStdString();
        EXPECT_TRUE(description.contains(QString::fromUtf8(row.manufacturer))) << row.language;
        EXPECT_TRUE(description.contains(QString::fromUtf8(row.lamp))) << row.language;
        EXPECT_EQ(description.count('\r'), 6) << row.language;
        EXPECT_EQ(main->LabelAxial->text(), QString::fromUtf8(row.axial)) << row.language;
    }
}

} // namespace
} // namespace lumetra::test
