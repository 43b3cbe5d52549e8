#include "windows/option_controls.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

namespace {

// The blank QLineEdit keeps on each side of its text, and the cursor.
constexpr int kBoxTextMargins = 6;

}  // namespace

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

void OptionControls::fitToLongestText(QLineEdit* box, int maximum, bool upperCase) {
    const QString longest(maximum, QLatin1Char(upperCase ? 'M' : 'n'));
    QStyleOptionFrame frame;
    frame.initFrom(box);
    const QSize text(box->fontMetrics().horizontalAdvance(longest) + kBoxTextMargins,
                     box->sizeHint().height());
    box->setMinimumWidth(
        box->style()->sizeFromContents(QStyle::CT_LineEdit, &frame, text, box).width());
}
