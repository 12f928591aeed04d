// A desktop for gui tests: records messages, beeps and opened addresses, answers yes/no
// questions from answers the test prepared and hands out the screen snapshot it was given. Constructing one installs it; destroying it puts
// back the service that was in use before.
#pragma once

#include "common/gui/DesktopServices.h"

#include <QImage>
#include <QString>
#include <QUrl>
#include <gtest/gtest.h>

#include <deque>
#include <vector>

struct RecordedMessage {
    QString text;
    int kind = 0;
    QString title;
};

class FakeServices : public DesktopServices {
public:
    FakeServices() : m_previous(SetServices(this)) {}

    ~FakeServices() override
    {
        SetServices(m_previous);
        EXPECT_TRUE(answers.empty()) << answers.size() << " prepared answer(s) were never asked for";
    }

    FakeServices(const FakeServices&) = delete;
    FakeServices& operator=(const FakeServices&) = delete;

    void ShowMessage(const QString& text, int kind, const QString& title) override
    {
        messages.push_back({text, kind, title});
    }

    bool AskYesNo(const QString& text, const QString& title) override
    {
        questions.push_back({text, kMessageQuestion, title});
        if (answers.empty()) {
            ADD_FAILURE() << "unexpected question, no answer prepared: " << text.toStdString();
            return false;
        }
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }

    void Beep() override { ++beeps; }

    bool OpenUrl(const QUrl& url) override
    {
        urls.push_back(url);
        return true;
    }

    QImage GrabScreen() override { return snapshot; }

    // Answers for the next questions, in order.
    void Answer(bool yes) { answers.push_back(yes); }

    std::vector<RecordedMessage> messages;
    std::vector<RecordedMessage> questions;
    std::deque<bool> answers;
    std::vector<QUrl> urls;
    int beeps = 0;
    QImage snapshot;

private:
    DesktopServices* m_previous;
};
