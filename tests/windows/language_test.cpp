#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>
#include <map>
#include <memory>

#include "app/command_line.h"
#include "settings/program_language.h"
#include "support/child_process.h"
#include "support/command_run.h"
#include "support/test_files.h"
#include "support/window_fixture.h"
#include "windows/address_book_window.h"
#include "windows/card_design_panel.h"
#include "windows/card_print_window.h"
#include "windows/label_options_window.h"
#include "windows/layout_editor.h"
#include "windows/received_cards_window.h"
#include "windows/selection_window.h"
#include "windows/sheets_window.h"
#include "windows/start_window.h"

namespace {

// One entry of a .ts catalogue.
struct CatalogueEntry {
    QString context;
    QString source;
    QStringList forms;  // one, or one per plural form
    bool unfinished = false;
};

QString sourceFolder() {
    return QStringLiteral(QE_SOURCE_DIR);
}

std::vector<CatalogueEntry> readCatalogue(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(path);
    std::vector<CatalogueEntry> entries;
    QString context;
    QXmlStreamReader xml(&file);
    bool numerus = false;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"message") {
            numerus = xml.attributes().value(QLatin1String("numerus")) == u"yes";
            entries.push_back({context, {}, {}, false});
        } else if (xml.name() == u"source") {
            entries.back().source = xml.readElementText();
        } else if (xml.name() == u"translation") {
            entries.back().unfinished =
                xml.attributes().value(QLatin1String("type")) == u"unfinished";
            if (!numerus) {
                entries.back().forms.append(xml.readElementText());
            }
        } else if (xml.name() == u"numerusform") {
            entries.back().forms.append(xml.readElementText());
        }
    }
    EXPECT_FALSE(xml.hasError()) << qPrintable(path) << ": " << qPrintable(xml.errorString());
    return entries;
}

QSet<QString> placeholders(const QString& text) {
    static const QRegularExpression marker(QStringLiteral("%(n|\\d)"));
    QSet<QString> found;
    for (const auto& match : marker.globalMatch(text)) {
        found.insert(match.captured());
    }
    return found;
}

// What is wrong with one entry, empty when nothing is.
QString entryProblem(const CatalogueEntry& entry) {
    if (entry.unfinished || entry.forms.isEmpty()) {
        return QStringLiteral("not translated");
    }
    QSet<QString> wanted = placeholders(entry.source);
    const bool counted = wanted.remove(QStringLiteral("%n"));
    bool countShown = !counted;
    for (const QString& form : entry.forms) {
        QSet<QString> kept = placeholders(form);
        countShown = kept.remove(QStringLiteral("%n")) || countShown;
        if (form.isEmpty() || kept != wanted) {
            QStringList markers = wanted.values();
            markers.sort();
            return QStringLiteral("%1 wanted in \"%2\"").arg(markers.join(QLatin1Char(' ')), form);
        }
    }
    return countShown ? QString() : QStringLiteral("the count %n is lost");
}

// The catalogues as the sources make them today: the committed ones refreshed
// by lupdate in a copy, so that a text added to the code without translations
// shows up here. The committed ones alone when lupdate is not installed.
QString refreshedCatalogues(QTemporaryDir& copy) {
    const QDir committed(sourceFolder() + QStringLiteral("/translations"));
    for (const QString& name : committed.entryList({QStringLiteral("*.ts")})) {
        QFile::copy(committed.filePath(name), copy.filePath(name));
    }
    QProcess lupdate;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QE_TS_DIR"), copy.path());
    lupdate.setProcessEnvironment(environment);
    lupdate.start(QStringLiteral("bash"),
                  {sourceFolder() + QStringLiteral("/scripts/update-translations.sh")});
    lupdate.waitForFinished(-1);
    if (lupdate.exitCode() != 0) {
        ADD_FAILURE() << "lupdate failed: " << lupdate.readAllStandardError().toStdString();
    }
    return copy.path();
}

TEST(Catalogues, EveryTextOfTheCodeIsTranslatedWithItsMarkers) {
    QTemporaryDir copy;
    const QDir folder(refreshedCatalogues(copy));
    QStringList problems;
    std::size_t texts = 0;
    for (const QString& code : ProgramLanguage::codes()) {
        const QString name = QStringLiteral("quenor_%1.ts").arg(code);
        for (const CatalogueEntry& entry : readCatalogue(folder.filePath(name))) {
            ++texts;
            const QString problem = entryProblem(entry);
            if (!problem.isEmpty()) {
                problems.append(QStringLiteral("%1 [%2] \"%3\": %4")
                                    .arg(name, entry.context, entry.source, problem));
            }
        }
    }
    EXPECT_GT(texts, 4 * 200u);
    EXPECT_TRUE(problems.isEmpty())
        << "Translate these (scripts/update-translations.sh, then Qt Linguist):\n"
        << qPrintable(problems.join(QLatin1Char('\n')));
}

// The command line's usage with `code`'s catalogue over the French one the tests install.
QStringList usageLinesIn(const QString& code) {
    QTranslator translator;
    EXPECT_TRUE(translator.load(ProgramLanguage::catalogueFile(code, {}))) << qPrintable(code);
    QCoreApplication::installTranslator(&translator);
    const QString usage = CommandLine::usage();
    QCoreApplication::removeTranslator(&translator);
    return usage.split(QLatin1Char('\n'));
}

QSet<QString> optionNames(const QStringList& lines) {
    static const QRegularExpression option(QStringLiteral("--[a-z][a-z-]*"));
    QSet<QString> names;
    for (const auto& match : option.globalMatch(lines.join(QLatin1Char('\n')))) {
        names.insert(match.captured());
    }
    return names;
}

// Only the help texts change with the language: the options and commands stay,
// and no translated line reaches past the right edge of the English help.
TEST(CommandLineUsage, EachLanguageKeepsTheOptionsWithinTheEnglishWidth) {
    const QStringList english = usageLinesIn(QStringLiteral("en"));
    for (const QString& code : ProgramLanguage::codes()) {
        if (code == u"en") {
            continue;
        }
        const QStringList lines = usageLinesIn(code);
        EXPECT_NE(lines.first(), english.first()) << qPrintable(code) << ": not translated";
        EXPECT_EQ(optionNames(lines), optionNames(english)) << qPrintable(code);
        qsizetype englishEdge = 0;
        for (const QString& line : english) {
            if (!lines.contains(line)) {
                englishEdge = std::max(englishEdge, line.size());
            }
        }
        for (const QString& line : lines) {
            EXPECT_FALSE(line.endsWith(u' ')) << qPrintable(code) << ": \"" << qPrintable(line);
            if (!english.contains(line)) {
                EXPECT_LE(line.size(), englishEdge) << qPrintable(code) << ": " << qPrintable(line);
            }
        }
    }
}

// The command line's answers to mistakes, whichever part of the program words them.
TEST(CommandLineMessages, SpeakTheLanguageInstalled) {
    QTranslator german;
    ASSERT_TRUE(german.load(ProgramLanguage::catalogueFile(QStringLiteral("de"), {})));
    QCoreApplication::installTranslator(&german);
    const QString log = testDataPath(QStringLiteral("one_record_per_line.adi"));
    struct Case {
        QStringList arguments;
        const char* start;
    };
    const Case cases[] = {
        {{QStringLiteral("labels"), log, QStringLiteral("--format"), QStringLiteral("7"),
          QStringLiteral("--dump")},
         "--format: 1, 2, 3, 4 oder 6"},
        {{QStringLiteral("labels"), log, QStringLiteral("--mark-sent"), log,
          QStringLiteral("--dump")},
         "--mark-sent: "},
        {{QStringLiteral("labels"), QStringLiteral("--list-sheets"), QStringLiteral("--group")},
         "Aufruf: quenor-etiquettes labels --list-sheets"},
        {{QStringLiteral("labels"), log, QStringLiteral("--pdf"), log}, "Die Ausgabedatei "},
    };
    for (const Case& c : cases) {
        const Outcome outcome = run(c.arguments);
        EXPECT_TRUE(QString::fromUtf8(outcome.err).startsWith(QString::fromUtf8(c.start)))
            << c.start << " / " << outcome.err.constData();
        EXPECT_FALSE(outcome.err.contains(" : ")) << outcome.err.constData();
    }
    QCoreApplication::removeTranslator(&german);
}

TEST(FrenchQtTexts, StandardButtonsAndDialogsSpeakFrench) {
    // French installed as the program does when the locale names French.
    ASSERT_TRUE(ProgramLanguage::install(*QCoreApplication::instance(), QStringLiteral("fr")))
        << "qtbase_fr.qm (package qt6-translations-l10n) is missing";
    QMessageBox box(QMessageBox::Question, QString(), QString(),
                    QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(box.button(QMessageBox::Yes)->text().remove(u'&'), QStringLiteral("Oui"));
    EXPECT_EQ(box.button(QMessageBox::No)->text().remove(u'&'), QStringLiteral("Non"));
}

TEST(ProgramLanguageChoice, FollowsTheEnvironmentAsGettextReadsIt) {
    struct Case {
        const char* language;
        const char* lcAll;
        const char* lcMessages;
        const char* lang;
        const char* expected;
    };
    const Case cases[] = {
        {"", "", "", "fr_FR.UTF-8", "fr"},
        {"", "", "", "C.UTF-8", "en"},  // CI's locale: no translation, English
        {"", "", "", "", "en"},
        {"", "", "", "pt_BR.UTF-8", "en"},             // a language without a catalogue
        {"", "de_AT.UTF-8", "", "fr_FR.UTF-8", "de"},  // LC_ALL before LANG
        {"", "", "es_ES.UTF-8", "it_IT.UTF-8", "es"},  // LC_MESSAGES before LANG
        {"", "", "", "fr_CA", "fr"},
        {"", "", "", "it_IT@euro", "it"},
        {"nl:de:fr", "", "", "fr_FR.UTF-8", "de"},  // the first LANGUAGE entry known
        {"fr", "", "", "C.UTF-8", "fr"},            // how the tests ask for French
        {"nl", "", "", "es_ES.UTF-8", "es"},
    };
    for (const Case& c : cases) {
        const std::map<QByteArray, QString> environment{
            {"LANGUAGE", QString::fromLatin1(c.language)},
            {"LC_ALL", QString::fromLatin1(c.lcAll)},
            {"LC_MESSAGES", QString::fromLatin1(c.lcMessages)},
            {"LANG", QString::fromLatin1(c.lang)}};
        const QString chosen = ProgramLanguage::fromEnvironment(
            [&environment](const char* name) { return environment.at(name); });
        EXPECT_EQ(chosen, QString::fromLatin1(c.expected))
            << c.language << " / " << c.lcAll << " / " << c.lcMessages << " / " << c.lang;
    }
}

TEST(ProgramLanguageChoice, ATranslatorsCatalogueComesBeforeTheBuiltInOne) {
    QTemporaryDir mine;
    // A German catalogue under the English name: what a translator tries out.
    ASSERT_TRUE(QFile::copy(ProgramLanguage::catalogueFile(QStringLiteral("de"), {}),
                            mine.filePath(QStringLiteral("quenor_en.qm"))));
    const QString chosen =
        ProgramLanguage::catalogueFile(QStringLiteral("en"), {QString(), mine.path()});
    EXPECT_EQ(chosen, mine.filePath(QStringLiteral("quenor_en.qm")));
    QTranslator translator;
    ASSERT_TRUE(translator.load(chosen));
    EXPECT_EQ(translator.translate("StartWindow", "Langue"), QStringLiteral("Sprache"));
    EXPECT_EQ(ProgramLanguage::catalogueFile(QStringLiteral("it"), {mine.path()}),
              QStringLiteral(":/i18n/quenor_it.qm"));
}

TEST(ProgramLanguageChoice, TheProgramSpeaksTheChosenLanguage) {
    QTemporaryDir home;
    const QString config = home.filePath(QStringLiteral("config"));
    QDir().mkpath(config + QStringLiteral("/Quenor_Etiquettes"));
    QTemporaryDir mine;
    QFile::copy(ProgramLanguage::catalogueFile(QStringLiteral("de"), {}),
                mine.filePath(QStringLiteral("quenor_en.qm")));
    const QString storedItalian = home.filePath(QStringLiteral("italian"));
    QDir().mkpath(storedItalian + QStringLiteral("/Quenor_Etiquettes"));
    SettingsStore(storedItalian + QStringLiteral("/Quenor_Etiquettes/Etiquette.ini"))
        .write(StoredSettings::kWindowLanguage, QStringLiteral("it"));
    struct Case {
        QString language;
        QString configHome;
        QStringList arguments;
        QString expected;
    };
    const Case cases[] = {
        {QStringLiteral("fr"), config, {}, QStringLiteral("Commande inconnue : lables")},
        {QStringLiteral("de"), config, {}, QStringLiteral("Unbekannter Befehl: lables")},
        {QString(), config, {}, QStringLiteral("Unknown command: lables")},  // C.UTF-8
        // A translator's catalogue (German under the English name) comes first.
        {QStringLiteral("en"),
         config,
         {QStringLiteral("--translations"), mine.path()},
         QStringLiteral("Unbekannter Befehl: lables")},
        // The choice stored by the start window outweighs the locale.
        {QStringLiteral("es"), storedItalian, {}, QStringLiteral("Comando sconosciuto: lables")},
    };
    for (const Case& c : cases) {
        ChildOptions options;
        options.standardError = home.filePath(QStringLiteral("err"));
        options.environment = {QStringLiteral("LANGUAGE=") + c.language,
                               QStringLiteral("LC_ALL=C.UTF-8"),
                               QStringLiteral("XDG_CONFIG_HOME=") + c.configHome};
        const ChildRun run = runChild(QStringLiteral(QE_PROGRAM),
                                      c.arguments + QStringList{QStringLiteral("lables")}, options);
        EXPECT_EQ(run.exitCode, 2);
        QFile err(options.standardError);
        ASSERT_TRUE(err.open(QIODevice::ReadOnly));
        EXPECT_EQ(QString::fromUtf8(err.readLine()).trimmed(), c.expected)
            << qPrintable(c.language);
    }
}

// The program run as `lables` with a settings folder of its own: the lines of
// standard error. `catalogue`: a German catalogue put in its translations/.
QStringList unknownCommandErrors(const QStringList& environment, const QByteArray* catalogue,
                                 QString* cataloguePath = nullptr) {
    QTemporaryDir home;
    const QString config = home.filePath(QStringLiteral("config"));
    const QString folder = config + QStringLiteral("/Quenor_Etiquettes/translations");
    QDir().mkpath(folder);
    if (catalogue != nullptr) {
        writeFile(home, QStringLiteral("config/Quenor_Etiquettes/translations/quenor_de.qm"),
                  *catalogue);
    }
    if (cataloguePath != nullptr) {
        *cataloguePath = folder + QStringLiteral("/quenor_de.qm");
    }
    ChildOptions options;
    options.standardError = home.filePath(QStringLiteral("err"));
    options.environment = environment + QStringList{QStringLiteral("XDG_CONFIG_HOME=") + config};
    const ChildRun run = runChild(QStringLiteral(QE_PROGRAM), {QStringLiteral("lables")}, options);
    EXPECT_EQ(run.exitCode, 2);
    return QString::fromUtf8(readFile(options.standardError)).split(u'\n', Qt::SkipEmptyParts);
}

// A translator's catalogue Qt cannot load (cut, damaged, empty) is passed over
// with one message naming it, and the built-in catalogue speaks instead.
TEST(ProgramLanguageChoice, AnUnusableCatalogueIsNamedAndPassedOver) {
    QFile builtIn(ProgramLanguage::catalogueFile(QStringLiteral("de"), {}));
    ASSERT_TRUE(builtIn.open(QIODevice::ReadOnly));
    const QByteArray whole = builtIn.readAll();
    QByteArray badMagic = whole;
    badMagic[0] = static_cast<char>(badMagic[0] ^ 0xFF);
    const struct {
        const char* name;
        QByteArray bytes;
        bool passedOver;
    } cases[] = {
        {"whole", whole, false},
        {"cut in half", whole.first(whole.size() / 2), true},
        {"cut after 100 bytes", whole.first(100), true},
        {"cut after its mark", whole.first(16), true},
        {"cut to the last byte", whole.first(whole.size() - 1), true},
        {"empty", QByteArray(), true},
        {"not a catalogue", QByteArray(4000, 'x'), true},
        {"its mark changed", badMagic, true},
    };
    for (const auto& given : cases) {
        QString path;
        const QStringList lines = unknownCommandErrors(
            {QStringLiteral("LANGUAGE=de"), QStringLiteral("LC_ALL=C.UTF-8")}, &given.bytes, &path);
        EXPECT_EQ(lines.filter(path).size(), given.passedOver ? 1 : 0)
            << given.name << "\n"
            << qPrintable(lines.join(u'\n'));
        EXPECT_TRUE(lines.contains(QStringLiteral("Unbekannter Befehl: lables")))
            << given.name << "\n"
            << qPrintable(lines.join(u'\n'));
    }
}

// Qt's own warnings are English: a program speaking French keeps them off its
// standard error, and one speaking English shows them. A runtime folder open
// to others makes Qt warn on every start.
TEST(ProgramLanguageChoice, QtsEnglishWarningsStayOffAFrenchStandardError) {
    QTemporaryDir runtime;
    QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                              QFile::ReadOther | QFile::ExeOther);
    const QString folder = QStringLiteral("XDG_RUNTIME_DIR=") + runtime.path();
    const QStringList english = unknownCommandErrors(
        {QStringLiteral("LANGUAGE=en"), QStringLiteral("LC_ALL=C.UTF-8"), folder}, nullptr);
    EXPECT_FALSE(english.filter(QStringLiteral("QStandardPaths")).isEmpty())
        << qPrintable(english.join(u'\n'));
    const QStringList french = unknownCommandErrors(
        {QStringLiteral("LANGUAGE=fr"), QStringLiteral("LC_ALL=C.UTF-8"), folder}, nullptr);
    EXPECT_EQ(french.value(0), QStringLiteral("Commande inconnue : lables"))
        << qPrintable(french.join(u'\n'));
    EXPECT_TRUE(french.filter(QStringLiteral("QStandardPaths")).isEmpty())
        << qPrintable(french.join(u'\n'));
    // Asked for, Qt's messages pass whatever the language.
    const QStringList asked =
        unknownCommandErrors({QStringLiteral("LANGUAGE=fr"), QStringLiteral("LC_ALL=C.UTF-8"),
                              folder, QStringLiteral("QT_LOGGING_RULES=qt.*=false")},
                             nullptr);
    EXPECT_FALSE(asked.filter(QStringLiteral("QStandardPaths")).isEmpty())
        << qPrintable(asked.join(u'\n'));
}

// Every text a window shows: captions, labels, buttons, lists, names for the
// screen reader.
QStringList shownTexts(QWidget& window) {
    QStringList texts{window.windowTitle()};
    QList<QWidget*> widgets = window.findChildren<QWidget*>();
    widgets.append(&window);
    for (QWidget* widget : widgets) {
        texts.append(widget->accessibleName());
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            texts.append(label->text());
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            texts.append(button->text());
        } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
            texts.append(group->title());
        } else if (auto* box = qobject_cast<QComboBox*>(widget)) {
            for (int i = 0; i < box->count(); ++i) {
                texts.append(box->itemText(i));
            }
        } else if (auto* line = qobject_cast<QLineEdit*>(widget)) {
            texts.append(line->placeholderText());
        }
    }
    texts.removeAll(QString());
    return texts;
}

class WindowLanguage : public WindowFixture {
  protected:
    std::vector<QWidget*> everyWindow() {
        return {&app->showStartWindow(),  &app->selectionWindow(), &app->showLabelOptions(),
                &app->showCardPrinting(), &app->showSheets(),      &app->showReceivedCards(),
                &app->showAddressBook(),  &app->showLayoutEditor()};
    }
};

TEST_F(WindowLanguage, NoFrenchTextOfTheCatalogueIsLeftInATranslatedWindow) {
    for (const QString& code :
         {QStringLiteral("en"), QStringLiteral("de"), QStringLiteral("es"), QStringLiteral("it")}) {
        QTranslator translator;
        ASSERT_TRUE(translator.load(ProgramLanguage::catalogueFile(code, {})));
        // The French texts that read otherwise in this language.
        QSet<QString> french;
        const QString ts = sourceFolder() + QStringLiteral("/translations/quenor_%1.ts").arg(code);
        for (const CatalogueEntry& entry : readCatalogue(ts)) {
            if (!entry.forms.contains(entry.source)) {
                french.insert(entry.source);
            }
        }
        QCoreApplication::installTranslator(&translator);
        app = std::make_unique<Application>(dialogs, *store);
        QStringList left;
        for (QWidget* window : everyWindow()) {
            for (const QString& text : shownTexts(*window)) {
                if (french.contains(text)) {
                    left.append(window->objectName() + QStringLiteral(": ") + text);
                }
            }
        }
        // The start window reads in the language, not only its catalogue.
        const QString group =
            app->showStartWindow().languageBox()->parentWidget()->property("title").toString();
        EXPECT_EQ(group, translator.translate("StartWindow", "Langue")) << qPrintable(code);
        app.reset();
        QCoreApplication::removeTranslator(&translator);
        EXPECT_TRUE(left.isEmpty()) << qPrintable(code) << ":\n"
                                    << qPrintable(left.join(QLatin1Char('\n')));
    }
}

TEST_F(WindowLanguage, TheStartWindowStoresTheChoiceForTheNextStart) {
    QComboBox* box = app->showStartWindow().languageBox();
    EXPECT_EQ(box->objectName(), QStringLiteral("Langue"));
    EXPECT_EQ(box->currentIndex(), 0);  // the system's, while nothing is stored
    const int german = box->findText(QStringLiteral("Deutsch"));
    ASSERT_GE(german, 0);
    box->setCurrentIndex(german);
    emit box->activated(german);
    ASSERT_TRUE(store->sync());
    // A global value, read back from the file as the next start reads it.
    const SettingsStore next(store->fileName());
    EXPECT_EQ(next.written(StoredSettings::kWindowLanguage), QStringLiteral("de"));
    EXPECT_EQ(next.read(SettingsStore::globalSection(), QStringLiteral("Langue"), QString()),
              QStringLiteral("de"));
    app = std::make_unique<Application>(dialogs, *store);
    EXPECT_EQ(app->showStartWindow().languageBox()->currentText(), QStringLiteral("Deutsch"));
    EXPECT_EQ(ProgramLanguage::chosen(store->written(StoredSettings::kWindowLanguage)),
              QStringLiteral("de"));
}

// The value lists read in the language; the template keeps the keys whatever the language.
TEST_F(WindowLanguage, TheCardValueListsShowNamesAndKeepTheTemplatesKeys) {
    QTranslator translator;
    ASSERT_TRUE(translator.load(ProgramLanguage::catalogueFile(QStringLiteral("de"), {})));
    QCoreApplication::installTranslator(&translator);
    app = std::make_unique<Application>(dialogs, *store);
    CardDesignPanel* panel = app->showLayoutEditor().designPanel();
    CardDesign design;
    design.columns.push_back({QStringLiteral("5"), QStringLiteral("mode"), QStringLiteral("Mode")});
    design.freeValue[0] = QStringLiteral("date");
    panel->setDesign(design);
    const auto* value = qobject_cast<QComboBox*>(panel->columnTable()->cellWidget(0, 1));
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->currentText(), QStringLiteral("Betriebsart"));
    // The column leaves room for the longest German name, the grid's line beside it.
    EXPECT_GE(panel->columnTable()->horizontalHeader()->sectionSize(1) - 1,
              value->sizeHint().width());
    const CardDesign read = panel->design();
    app.reset();
    QCoreApplication::removeTranslator(&translator);
    ASSERT_EQ(read.columns.size(), 1U);
    EXPECT_EQ(read.columns[0].value, QStringLiteral("mode"));
    EXPECT_EQ(read.freeValue[0], QStringLiteral("date"));
}

// German words are longer: a copy's name still shows whole.
TEST_F(WindowLanguage, TheSheetsWindowShowsAGermanCopysNameWhole) {
    QTranslator translator;
    ASSERT_TRUE(translator.load(ProgramLanguage::catalogueFile(QStringLiteral("de"), {})));
    QCoreApplication::installTranslator(&translator);
    app = std::make_unique<Application>(dialogs, *store);
    SheetsWindow& sheets = app->showSheets();
    sheets.showSheet(QStringLiteral("L7160"));
    sheets.copySheet();
    QApplication::processEvents();
    const QLineEdit* name = sheets.field(QStringLiteral("nameBox"));
    EXPECT_EQ(name->text(), QStringLiteral("Kopie von L7160"));
    EXPECT_GT(name->width(), name->fontMetrics().horizontalAdvance(name->text()));
    app.reset();
    QCoreApplication::removeTranslator(&translator);
}

}  // namespace
