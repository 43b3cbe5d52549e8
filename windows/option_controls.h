#pragma once

#include <QList>

class QButtonGroup;
class QWidget;

// Keyboard manners shared by option windows.
namespace OptionControls {

// Tab enters a group of options on the selected one; the arrows move within it.
void tabOnCheckedOption(QButtonGroup* group);
// The tab order, widget after widget.
void setTabOrder(const QList<QWidget*>& order);

}  // namespace OptionControls
