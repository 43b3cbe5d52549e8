#include <QCoreApplication>
#include <QEvent>
#include <QListView>
#include <QPushButton>

#include "selection/row_list.h"
#include "selection/select_qso.h"
#include "startup/main.h"
#include "support/test_files.h"
#include "support/window_fixture.h"

namespace {

class SelectionWindow : public WindowFixture {
  protected:
    Select_QSO& load(const QByteArray& text) {
        Main& main = app->showMain();
        dialogs.fileNames.push_back(writeFile(dir, QStringLiteral("log.adi"), text));
        main.Selection()->click();
        return app->selectQso();
    }

    static QByteArray record(const char* callsign, const char* date) {
        return QByteArray("<CALL:5>") + callsign + "<QSO_DATE:8>" + date +
               "<TIME_ON:4>0751<BAND:3>40M<EOR>\n";
    }

    static QStringList callsigns(const RowList& list) {
        QStringList result;
        for (int i = 0; i < list.count(); ++i) {
            result.append(list.row(i).left(14).trimmed() + QLatin1Char(' ') +
                          list.row(i).mid(14, 8));
        }
        return result;
    }

    const QByteArray log = "<EOH>\n" + record("F9XQC", "20090101") + record("F9XQA", "20081231") +
                           record("F9XQB", "20090101") + record("F9XQA", "20090102");
};

TEST_F(SelectionWindow, ClicksMoveRowsBetweenTheLists) {
    Select_QSO& window = load(log);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Sélection des QSO"));
    window.Liste_QSO_Click(0);  // F9XQC
    window.Liste_QSO_Click(0);  // F9XQA 31/12/08
    window.Liste_QSO_Click(0);  // F9XQB
    EXPECT_EQ(callsigns(window.Liste_Imprime()),
              QStringList({QStringLiteral("F9XQA 31/12/08"), QStringLiteral("F9XQB 01/01/09"),
                           QStringLiteral("F9XQC 01/01/09")}));
    EXPECT_EQ(callsigns(window.Liste_QSO()), QStringList{QStringLiteral("F9XQA 02/01/09")});

    // Back from the print list: to the end of the QSO list.
    window.Liste_Imprime_Click(2);
    EXPECT_EQ(callsigns(window.Liste_QSO()),
              QStringList({QStringLiteral("F9XQA 02/01/09"), QStringLiteral("F9XQC 01/01/09")}));
    window.Liste_QSO_Click(-1);  // a pick on no row moves nothing
    window.Liste_QSO_Click(5);
    EXPECT_EQ(window.Liste_QSO().count(), 2);

    // A click in the view does the same as the handler.
    QListView* view = window.Liste_QSO_View();
    emit view->clicked(view->model()->index(0, 0));
    EXPECT_EQ(window.Liste_Imprime().count(), 3);
    EXPECT_EQ(callsigns(window.Liste_Imprime()).first(), QStringLiteral("F9XQA 02/01/09"));
}

TEST_F(SelectionWindow, SortsByCallAndSelectsAll) {
    Select_QSO& window = load(log);
    window.Command2_Click();
    EXPECT_EQ(callsigns(window.Liste_QSO()),
              QStringList({QStringLiteral("F9XQA 02/01/09"), QStringLiteral("F9XQA 31/12/08"),
                           QStringLiteral("F9XQB 01/01/09"), QStringLiteral("F9XQC 01/01/09")}));
    EXPECT_EQ(window.Liste_QSO_Bis().count(), 4);
    EXPECT_EQ(window.Liste_Imprime().count(), 0);

    window.Liste_QSO_Click(3);
    window.Select_All_Click();
    EXPECT_EQ(window.Liste_QSO().count(), 0);
    EXPECT_EQ(callsigns(window.Liste_Imprime()),
              QStringList({QStringLiteral("F9XQA 02/01/09"), QStringLiteral("F9XQA 31/12/08"),
                           QStringLiteral("F9XQB 01/01/09"), QStringLiteral("F9XQC 01/01/09")}));
    window.Select_All_Click();  // an empty QSO list changes nothing
    EXPECT_EQ(window.Liste_Imprime().count(), 4);
}

TEST_F(SelectionWindow, ReReadingKeepsThePrintList) {
    Select_QSO& window = load(log);
    window.Liste_QSO_Click(0);
    dialogs.fileNames.push_back(dir.filePath(QStringLiteral("log.adi")));
    window.Command3_Click();
    EXPECT_EQ(window.Liste_QSO().count(), 4);  // file order again, the picked row included
    EXPECT_EQ(callsigns(window.Liste_QSO()).first(), QStringLiteral("F9XQC 01/01/09"));
    window.Liste_QSO_Click(0);
    EXPECT_EQ(window.Liste_Imprime().count(), 2);  // a second identical row

    window.Command3_Click();  // cancelled dialog
    EXPECT_EQ(dialogs.messages.last(), QStringLiteral("selectionnez un fichier ou quitter"));
    EXPECT_EQ(window.Liste_QSO().count(), 0);
    EXPECT_EQ(window.Liste_Imprime().count(), 2);
}

TEST_F(SelectionWindow, QuitterDiscardsTheListsForTheNextLoad) {
    Select_QSO& window = load(log);
    window.Select_All_Click();
    window.findChild<QPushButton*>(QStringLiteral("Quitter"))->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(app->existingSelectQso(), nullptr);
    EXPECT_EQ(app->printList(), nullptr);
    Select_QSO& again = load(log);
    EXPECT_EQ(again.Liste_Imprime().count(), 0);
    EXPECT_EQ(again.Liste_QSO().count(), 4);
}

}  // namespace
