#pragma once

#include <QWidget>
#include <array>
#include <vector>

#include "cards/qsl_template.h"
#include "log/qso_record.h"

class CardDesignPanel;
class Workspace;
class QCheckBox;
class QLineEdit;
class QPushButton;

// The layout editor of QSL cards: ten print lines, margins, join flags, and
// sample QSO values from the first row of the print list.
class LayoutEditor : public QWidget {
    Q_OBJECT

  public:
    explicit LayoutEditor(Workspace& workspace, QWidget* parent = nullptr);

    // The template as the controls show it, and the reverse.
    QslTemplate model() const;
    void setModel(const QslTemplate& model);
    // The sample values of lines 1 to 7 (C_Ind ... C_RST).
    std::array<QString, 7> samples() const;

    QLineEdit* leftBox(int line) const { return g_[static_cast<size_t>(line - 1)]; }
    QLineEdit* topBox(int line) const { return h_[static_cast<size_t>(line - 1)]; }
    QLineEdit* sizeBox(int line) const { return p_[static_cast<size_t>(line - 1)]; }
    QLineEdit* textBox(int line) const { return t_[static_cast<size_t>(line - 1)]; }
    QLineEdit* sample(int line) const { return samples_[static_cast<size_t>(line - 1)]; }
    QLineEdit* marginLeftBox() const { return mg_; }
    QLineEdit* marginTopBox() const { return mh_; }
    QCheckBox* joinBox(int flag) const { return checks_[static_cast<size_t>(flag - 1)]; }
    // The table, thanks, size and picture of the card, in a window of their own.
    CardDesignPanel* designPanel() const { return design_; }
    void showDesignPanel();
    // The QSOs of the first station of the print list, as a grouped card holds them.
    QsoRecords sampleQsos() const;

    void joinLine2Clicked();
    void joinLine4Clicked();
    void joinLines6And7Clicked();
    void loadTemplate();
    void saveTemplate();
    void openPreview();

    // When the preview closes, the keyboard comes back here, not to another window.
    void takeKeyboardBack();

  signals:
    void cardPrintingRequested();
    void previewRequested();

  private:
    void prepare();
    void setKeyboardOrder();
    void fillSamples();
    void buildGrid(QWidget* group);
    QLineEdit* box(QWidget* parent, const QString& name, const QString& accessibleName, int left,
                   int top, int width);
    // The first size outside 5 to 15 points, as a French message; empty when none is.
    QString sizeProblem() const;
    static QString withQslExtension(const QString& fileName);
    void zero(int line);

    Workspace& workspace_;
    std::array<QLineEdit*, QslTemplate::kLines> g_{};
    std::array<QLineEdit*, QslTemplate::kLines> h_{};
    std::array<QLineEdit*, QslTemplate::kLines> p_{};
    std::array<QLineEdit*, QslTemplate::kLines> t_{};
    std::array<QLineEdit*, 7> samples_{};
    std::array<QCheckBox*, 3> checks_{};
    QLineEdit* mg_ = nullptr;
    QLineEdit* mh_ = nullptr;
    std::vector<QPushButton*> buttons_;
    CardDesignPanel* design_ = nullptr;
};
