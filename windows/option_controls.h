#pragma once

#include <QList>

class QButtonGroup;
class QLineEdit;
class QWidget;

// Keyboard and size manners shared by option windows.
namespace OptionControls {

// Tab enters a group of options on the selected one; the arrows move within it.
void tabOnCheckedOption(QButtonGroup* group);
// The tab order, widget after widget.
void setTabOrder(const QList<QWidget*>& order);
// Wide enough for the longest text the box accepts: capitals for a box that
// turns letters into capitals, small letters for the others.
void fitToLongestText(QLineEdit* box, int maximum, bool upperCase);

}  // namespace OptionControls
