#include "windows/option_controls.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QWidget>

void OptionControls::tabOnCheckedOption(QButtonGroup* group) {
    const auto follow = [group] {
        for (QAbstractButton* button : group->buttons()) {
            button->setFocusPolicy(button->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
        }
    };
    follow();
    QObject::connect(group, &QButtonGroup::idToggled, group, follow);
}

void OptionControls::setTabOrder(const QList<QWidget*>& order) {
    for (qsizetype i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
    }
}
