#include "windows/sheets_window.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <iterator>

#include "labels/calibration_page.h"
#include "labels/label_sheet.h"
#include "platform/dialogs.h"
#include "printing/printer_calibration.h"
#include "printing/printer_job.h"
#include "printing/printer_surface.h"
#include "settings/settings_store.h"
#include "windows/sheet_drawing.h"
#include "windows/window_placement.h"
#include "windows/workspace.h"

namespace {

struct FieldText {
    const char* name;
    int measure;  // LabelSheet's measure the box holds, -1 for the name
};

// The sheet's fields, in form order.
const FieldText kSheetFields[] = {
    {"nameBox", -1},       {"paperWidthBox", 0}, {"paperHeightBox", 1}, {"columnsBox", 2},
    {"rowsBox", 3},        {"leftBox", 4},       {"topBox", 5},         {"labelWidthBox", 6},
    {"labelHeightBox", 7}, {"acrossBox", 8},     {"downBox", 9},
};
static_assert(std::size(kSheetFields) == LabelSheet::kMeasureCount + 1);

// A field's caption, which also names it in messages.
QString captionOf(const FieldText& field) {
    return field.measure < 0 ? SheetsWindow::tr("Nom") : LabelSheet::measureName(field.measure);
}

const QStringList kPapers{QStringLiteral("A4"), QStringLiteral("Letter"),
                          QStringLiteral("Personnalisé")};

QString text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

QString captionOf(const QString& name) {
    for (const FieldText& field : kSheetFields) {
        if (name == text(field.name)) {
            return captionOf(field);
        }
    }
    return name;
}

double decimal(const QString& typed, bool* ok) {
    return QString(typed.trimmed()).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(ok);
}

}  // namespace

SheetsWindow::SheetsWindow(Workspace& workspace, QWidget* parent)
    : QWidget(parent),
      workspace_(workspace),
      path_(SheetTable::ownSheetsPath(workspace.store().fileName())) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("Planches"));
    setWindowTitle(tr("Planches d'étiquettes"));
    QString problem;
    table_ = SheetTable::load(path_, &problem);
    buildControls();
    centreOnScreen(*this);
    fillList(SheetTable::builtIn().front().name);
    if (!problem.isEmpty()) {
        workspace_.dialogs().message(problem);
    }
}

QLineEdit* SheetsWindow::field(const QString& name) const {
    const auto found = fields_.find(name);
    return found == fields_.end() ? nullptr : found->second;
}

QPushButton* SheetsWindow::button(const QString& name) const {
    const auto found = buttons_.find(name);
    return found == buttons_.end() ? nullptr : found->second;
}

void SheetsWindow::buildControls() {
    list_ = new QListWidget;
    list_->setObjectName(QStringLiteral("sheetList"));
    list_->setAccessibleName(tr("Planches"));
    list_->setMinimumWidth(170);
    connect(list_, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* current) {
        if (current != nullptr) {
            showSheet(current->data(Qt::UserRole).toString());
        }
    });
    drawing_ = new SheetDrawing;

    auto* buttons = new QHBoxLayout;
    const auto addButton = [&](const char* name, const char* caption,
                               void (SheetsWindow::*slot)()) {
        auto* pushButton = new QPushButton(tr(caption));
        pushButton->setObjectName(text(name));
        connect(pushButton, &QPushButton::clicked, this, slot);
        buttons_[text(name)] = pushButton;
        buttons->addWidget(pushButton);
    };
    addButton("addButton", QT_TR_NOOP("&Nouvelle"), &SheetsWindow::addSheet);
    addButton("copyButton", QT_TR_NOOP("&Copier"), &SheetsWindow::copySheet);
    addButton("saveButton", QT_TR_NOOP("&Enregistrer"), &SheetsWindow::saveSheet);
    addButton("deleteButton", QT_TR_NOOP("&Supprimer"), &SheetsWindow::deleteSheet);
    buttons->addStretch();
    auto* close = new QPushButton(tr("&Fermer"));
    close->setObjectName(QStringLiteral("closeButton"));
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    buttons->addWidget(close);

    auto* top = new QHBoxLayout;
    top->addWidget(list_);
    top->addWidget(buildForm());
    top->addWidget(drawing_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addWidget(buildCalibration());
    layout->addLayout(buttons);
}

QWidget* SheetsWindow::buildForm() {
    auto* frame = new QGroupBox(tr("Planche"));
    auto* form = new QFormLayout(frame);
    readOnlyNote_ = new QLabel(tr("Planche fournie : copiez-la pour la modifier."));
    readOnlyNote_->setObjectName(QStringLiteral("readOnlyNote"));
    readOnlyNote_->setWordWrap(true);
    form->addRow(readOnlyNote_);
    paper_ = new QComboBox;
    paper_->setObjectName(QStringLiteral("paperBox"));
    paper_->addItems(kPapers);
    paper_->setItemText(2, tr("Personnalisé"));
    paper_->setAccessibleName(tr("Papier"));
    connect(paper_, &QComboBox::currentIndexChanged, this, [this] { redraw(); });
    for (const FieldText& entry : kSheetFields) {
        auto* box = new QLineEdit;
        box->setObjectName(text(entry.name));
        box->setAccessibleName(captionOf(entry));
        fields_[text(entry.name)] = box;
        connect(box, &QLineEdit::textEdited, this, [this] { redraw(); });
        form->addRow(captionOf(entry) + QLatin1Char(' ') +
                         (text(entry.name) == u"nameBox" || text(entry.name).contains(u"olumns") ||
                                  text(entry.name).contains(u"rows")
                              ? QString()
                              : QStringLiteral("(mm)")),
                     box);
        if (text(entry.name) == u"nameBox") {
            // A copy's name shows whole, "Kopie von" being longer than "Copie de".
            const QString copy = tr("Copie de %1").arg(QStringLiteral("L7160"));
            box->setMinimumWidth(box->fontMetrics().horizontalAdvance(copy) + 16);
            form->addRow(tr("Papier"), paper_);
        }
    }
    return frame;
}

QWidget* SheetsWindow::buildCalibration() {
    const QString printer = PrinterCalibration::printerKey(workspace_.printer());
    auto* frame = new QGroupBox(tr("Calibration de l'imprimante %1").arg(printer));
    auto* line = new QHBoxLayout(frame);
    const QPointF offset = PrinterCalibration(workspace_.store()).offset(printer);
    const auto addOffset = [&](const char* name, const char* caption, double value) {
        line->addWidget(new QLabel(tr(caption)));
        auto* box = new QLineEdit(QString::number(value));
        box->setObjectName(text(name));
        box->setAccessibleName(tr(caption));
        // Wide enough for the widest value, "-10.00", shown from its start.
        box->setMinimumWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("-10.00")) + 24);
        box->setMaximumWidth(box->minimumWidth() + 20);
        box->setCursorPosition(0);
        fields_[text(name)] = box;
        line->addWidget(box);
    };
    addOffset("offsetXBox", QT_TR_NOOP("Décalage horizontal (mm)"), offset.x());
    addOffset("offsetYBox", QT_TR_NOOP("Décalage vertical (mm)"), offset.y());
    for (const auto& [name, caption, slot] :
         {std::tuple{"offsetButton", QT_TR_NOOP("Enregistrer le &décalage"),
                     &SheetsWindow::saveOffset},
          std::tuple{"calibrationButton", QT_TR_NOOP("&Page de calibration"),
                     &SheetsWindow::printCalibration}}) {
        auto* pushButton = new QPushButton(tr(caption));
        pushButton->setObjectName(text(name));
        connect(pushButton, &QPushButton::clicked, this, slot);
        buttons_[text(name)] = pushButton;
        line->addWidget(pushButton);
    }
    line->addStretch();
    return frame;
}

void SheetsWindow::fillList(const QString& current) {
    const QSignalBlocker blocker(list_);
    list_->clear();
    for (const LabelSheet& sheet : table_.all()) {
        auto* item = new QListWidgetItem(sheet.description(), list_);
        item->setData(Qt::UserRole, sheet.name);
        if (sheet.builtIn) {
            QFont font = item->font();
            font.setItalic(true);
            item->setFont(font);
            item->setToolTip(tr("Planche fournie, non modifiable"));
        }
    }
    // Every description shows whole, whatever the language's word for labels.
    list_->setMinimumWidth(std::max(170, list_->sizeHintForColumn(0) + 2 * list_->frameWidth() +
                                             list_->verticalScrollBar()->sizeHint().width()));
    if (QListWidgetItem* item = itemOf(current)) {
        list_->setCurrentItem(item);
        showSheet(current);
    }
}

QListWidgetItem* SheetsWindow::itemOf(const QString& name) const {
    for (int row = 0; row < list_->count(); ++row) {
        if (list_->item(row)->data(Qt::UserRole).toString() == name) {
            return list_->item(row);
        }
    }
    return nullptr;
}

void SheetsWindow::showSheet(const QString& name) {
    const LabelSheet* sheet = table_.find(name);
    if (sheet == nullptr) {
        return;
    }
    QListWidgetItem* item = itemOf(name);
    if (item != nullptr && list_->currentItem() != item) {
        const QSignalBlocker blocker(list_);
        list_->setCurrentItem(item);
    }
    const auto put = [this](const char* box, double value) {
        field(text(box))->setText(LabelSheet::millimetres(value));
    };
    field(QStringLiteral("nameBox"))->setText(sheet->name);
    const QSizeF paper = sheet->paperSize();
    const qsizetype paperIndex = kPapers.indexOf(sheet->paper);
    paper_->setCurrentIndex(paperIndex < 0 || paperIndex > 1 ? 2 : static_cast<int>(paperIndex));
    put("paperWidthBox", paper.width());
    put("paperHeightBox", paper.height());
    put("columnsBox", sheet->columns);
    put("rowsBox", sheet->rows);
    put("leftBox", sheet->left);
    put("topBox", sheet->top);
    put("labelWidthBox", sheet->width);
    put("labelHeightBox", sheet->height);
    put("acrossBox", sheet->across);
    put("downBox", sheet->down);
    shownName_ = sheet->builtIn ? QString() : sheet->name;
    setEditable(!sheet->builtIn);
    redraw();
}

void SheetsWindow::setEditable(bool editable) {
    for (const FieldText& entry : kSheetFields) {
        QLineEdit* box = field(text(entry.name));
        box->setReadOnly(!editable);
        // A read-only box takes the window's colour, as a label would.
        QPalette colours = box->palette();
        colours.setBrush(QPalette::Base,
                         palette().brush(editable ? QPalette::Base : QPalette::Window));
        box->setPalette(colours);
    }
    readOnlyNote_->setVisible(!editable);
    paper_->setEnabled(editable);
    button(QStringLiteral("saveButton"))->setEnabled(editable);
    button(QStringLiteral("deleteButton"))->setEnabled(editable && !shownName_.isEmpty());
}

LabelSheet SheetsWindow::edited(QString* problem) const {
    LabelSheet sheet;
    sheet.builtIn = false;
    sheet.name = field(QStringLiteral("nameBox"))->text().trimmed();
    const auto number = [&](const char* box) {
        bool ok = false;
        const double value = decimal(field(text(box))->text(), &ok);
        if ((!ok || !std::isfinite(value) || value < 0) && problem->isEmpty()) {
            *problem = tr("%1 : un nombre positif est attendu.").arg(captionOf(text(box)));
        }
        return value;
    };
    const auto whole = [&](const char* box) {
        bool ok = false;
        const int value = field(text(box))->text().trimmed().toInt(&ok);
        if ((!ok || value <= 0) && problem->isEmpty()) {
            *problem = tr("%1 : un nombre entier positif est attendu.").arg(captionOf(text(box)));
        }
        return value;
    };
    if (paper_->currentIndex() < 2) {
        sheet.paper = paper_->currentText();
    } else {
        const double paperWidth = number("paperWidthBox");
        const double paperHeight = number("paperHeightBox");
        if (problem->isEmpty() && (paperWidth <= 0 || paperHeight <= 0)) {
            *problem =
                tr("Largeur et hauteur du papier : des nombres positifs sont "
                   "attendus.");
        }
        sheet.paper = LabelSheet::millimetres(paperWidth) + QLatin1Char('x') +
                      LabelSheet::millimetres(paperHeight);
    }
    sheet.columns = whole("columnsBox");
    sheet.rows = whole("rowsBox");
    sheet.left = number("leftBox");
    sheet.top = number("topBox");
    sheet.width = number("labelWidthBox");
    sheet.height = number("labelHeightBox");
    sheet.across = number("acrossBox");
    sheet.down = number("downBox");
    if (problem->isEmpty()) {
        *problem = sheet.problem();
    }
    return sheet;
}

void SheetsWindow::redraw() {
    const bool custom = paper_->currentIndex() == 2;
    field(QStringLiteral("paperWidthBox"))->setEnabled(custom);
    field(QStringLiteral("paperHeightBox"))->setEnabled(custom);
    QString ignored;
    drawing_->setSheet(edited(&ignored));
}

void SheetsWindow::addSheet() {
    list_->clearSelection();
    shownName_.clear();
    for (const FieldText& entry : kSheetFields) {
        field(text(entry.name))->clear();
    }
    paper_->setCurrentIndex(0);
    setEditable(true);
    field(QStringLiteral("nameBox"))->setFocus();
    redraw();
}

void SheetsWindow::copySheet() {
    const QString source = field(QStringLiteral("nameBox"))->text().trimmed();
    QString name = tr("Copie de %1").arg(source);
    for (int n = 2; table_.find(name) != nullptr; ++n) {
        name = tr("Copie %1 de %2").arg(n).arg(source);
    }
    shownName_.clear();
    setEditable(true);
    field(QStringLiteral("nameBox"))->setText(name);
    field(QStringLiteral("nameBox"))->setFocus();
    redraw();
}

bool SheetsWindow::store() {
    const QString problem = table_.save(path_);
    if (!problem.isEmpty()) {
        workspace_.dialogs().message(problem);
        return false;
    }
    emit sheetsChanged();
    return true;
}

void SheetsWindow::saveSheet() {
    QString problem;
    const LabelSheet sheet = edited(&problem);
    if (problem.isEmpty()) {
        problem = table_.put(sheet, shownName_);
    }
    if (!problem.isEmpty()) {
        workspace_.dialogs().message(problem);
        return;
    }
    if (store()) {
        fillList(sheet.name);
    }
}

void SheetsWindow::deleteSheet() {
    if (shownName_.isEmpty()) {
        return;
    }
    if (!workspace_.dialogs().askYesNo(tr("Supprimer la planche %1 ?").arg(shownName_))) {
        return;
    }
    table_.remove(shownName_);
    shownName_.clear();
    if (store()) {
        fillList(SheetTable::builtIn().front().name);
    }
}

void SheetsWindow::saveOffset() {
    double x = 0;
    double y = 0;
    QString problem =
        PrinterCalibration::checkOffset(field(QStringLiteral("offsetXBox"))->text(), &x);
    if (problem.isEmpty()) {
        problem = PrinterCalibration::checkOffset(field(QStringLiteral("offsetYBox"))->text(), &y);
    }
    if (!problem.isEmpty()) {
        workspace_.dialogs().message(problem);
        return;
    }
    PrinterCalibration(workspace_.store())
        .setOffset(PrinterCalibration::printerKey(workspace_.printer()), QPointF(x, y));
    workspace_.reportStoreProblem();
}

void SheetsWindow::printCalibration() {
    QString problem;
    const LabelSheet sheet = edited(&problem);
    if (!problem.isEmpty()) {
        workspace_.dialogs().message(problem);
        return;
    }
    QPrinter& printer = workspace_.printer();
    PrinterJob::setPage(printer, sheet.pageSize());
    if (!workspace_.dialogs().choosePrinter(printer)) {
        return;
    }
    // Never shifted by the stored offset: what is measured is what is stored.
    QString error;
    const PrinterJob::Result result = PrinterJob::print(
        printer, PrintPlacement(QPointF(), true, QPointF()), QString(),
        [&sheet](PrintSurface& surface, QString* runError) {
            if (CalibrationPage::print(sheet, static_cast<PrinterSurface&>(surface))) {
                return PrinterJob::Result::Done;
            }
            *runError = surface.error();
            return PrinterJob::Result::Failed;
        },
        &error);
    if (result == PrinterJob::Result::Failed) {
        workspace_.dialogs().message(error);
    }
}
