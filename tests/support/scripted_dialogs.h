#pragma once

#include <QStringList>
#include <deque>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "platform/dialogs.h"

// Dialogs answered by a script: file names and Yes/No answers are taken from
// queues (an empty queue cancels / answers No); every text shown is recorded.
class ScriptedDialogs : public Dialogs {
  public:
    void message(const QString& text) override { messages.append(text); }
    void messageList(const QString& heading, const QStringList& items) override {
        messageLists.push_back({heading, items});
    }
    bool askYesNo(const QString& text) override {
        questions.append(text);
        questionsUnderProgress += openProgress > 0 ? 1 : 0;
        if (answers.empty()) {
            return false;
        }
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    // Answered from `choices` (an index); an empty queue gives the last answer.
    int askChoice(const QString& text, const QStringList& offered) override {
        choiceQuestions.append(text);
        choiceAnswers.push_back(offered);
        if (choices.empty()) {
            return static_cast<int>(offered.size()) - 1;
        }
        const int choice = choices.front();
        choices.pop_front();
        return choice;
    }
    // Recorded in `replaceQuestions` too, and answered from `answers`.
    bool askToReplace(const QString& text) override {
        replaceQuestions.append(text);
        return askYesNo(text);
    }
    QString openFileName(const QString& filter) override { return next(filter); }
    QString openFileName(const QString& filter, const QString& folder) override {
        openFolders.append(folder);
        return next(filter);
    }
    // Answers from `texts`; an empty queue cancels.
    bool askText(const QString& text, QString& answer) override {
        textQuestions.append(text);
        if (texts.empty()) {
            return false;
        }
        answer = texts.front();
        texts.pop_front();
        return true;
    }
    QString saveFileName(const QString& filter) override { return next(filter); }
    QString saveFileName(const QString& filter, const QString& proposed) override {
        proposedNames.append(proposed);
        return next(filter);
    }
    bool choosePrinter(QPrinter& printer) override {
        ++printerDialogs;
        return printerChoice ? printerChoice(printer) : false;
    }

    void showPrintPreview(QPrinter&, const QString& caption,
                          const std::function<void(QPrinter&)>& render,
                          const std::function<void()>& print) override {
        ++previews;
        previewCaptions.append(caption);
        previewRender = render;
        previewPrint = print;
    }

    // Records every step reported; asks to stop once `stopAfter` steps are done.
    std::unique_ptr<Progress> showProgress(const QString& label, int total) override {
        progressLabels.append(label);
        progressTotals.push_back(total);
        progressSteps.clear();
        return std::make_unique<ScriptedProgress>(*this);
    }

    QStringList messages;
    // Heading and items of each message list shown.
    std::vector<std::pair<QString, QStringList>> messageLists;
    QStringList questions;
    QStringList replaceQuestions;
    QStringList filters;
    std::deque<QString> fileNames;
    std::deque<bool> answers;
    QStringList choiceQuestions;
    std::vector<QStringList> choiceAnswers;
    std::deque<int> choices;
    QStringList proposedNames;
    QStringList openFolders;
    QStringList textQuestions;
    std::deque<QString> texts;
    int printerDialogs = 0;
    std::function<bool(QPrinter&)> printerChoice;
    int previews = 0;
    QStringList previewCaptions;
    std::function<void(QPrinter&)> previewRender;
    // What the preview's own print button does.
    std::function<void()> previewPrint;
    QStringList progressLabels;
    std::vector<int> progressTotals;
    std::vector<int> progressSteps;
    int stopAfter = -1;
    // Progress windows open now, and questions asked while one was.
    int openProgress = 0;
    int questionsUnderProgress = 0;

  private:
    class ScriptedProgress : public Progress {
      public:
        explicit ScriptedProgress(ScriptedDialogs& owner) : owner_(owner) { ++owner_.openProgress; }
        ~ScriptedProgress() override { --owner_.openProgress; }
        ScriptedProgress(const ScriptedProgress&) = delete;
        ScriptedProgress& operator=(const ScriptedProgress&) = delete;
        bool advance(int done) override {
            owner_.progressSteps.push_back(done);
            return owner_.stopAfter < 0 || done < owner_.stopAfter;
        }

      private:
        ScriptedDialogs& owner_;
    };

    QString next(const QString& filter) {
        filters.append(filter);
        if (fileNames.empty()) {
            return {};
        }
        QString name = fileNames.front();
        fileNames.pop_front();
        return name;
    }
};
