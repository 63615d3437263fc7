#include "EncodingMenu.h"

#include "data/ReadableText.h"

#include <QActionGroup>

namespace lumetra {

EncodingMenu::EncodingMenu(std::function<void(const std::string&)> chosen, QWidget* parent)
    : QMenu(tr("Text &Encoding"), parent) {
    auto* group = new QActionGroup(this);
    automatic_ = addAction(tr("Automatic"));
    automatic_->setData(QString());
    addSeparator();
    for (const EncodingChoice& choice : kEncodingChoices)
        addAction(QString::fromUtf8(choice.label))->setData(QString::fromUtf8(choice.name));
    for (QAction* action : actions()) {
        if (action->isSeparator())
            continue;
        action->setCheckable(true);
        group->addAction(action);
    }
    connect(group, &QActionGroup::triggered, this, [chosen = std::move(chosen)](QAction* action) {
        chosen(action->data().toString().toStdString());
    });
}

void EncodingMenu::ShowChoice(const std::string& encoding, const std::string& guessed) {
    automatic_->setText(guessed.empty()
                            ? tr("Automatic")
                            : tr("Automatic (%1)").arg(QString::fromStdString(guessed)));
    for (QAction* action : actions())
        if (!action->isSeparator())
            action->setChecked(action->data().toString().toStdString() == encoding);
}

} // namespace lumetra
