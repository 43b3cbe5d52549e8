#pragma once

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <memory>

#include "settings/settings_store.h"
#include "support/scripted_dialogs.h"
#include "windows/application.h"

// A running program with scripted dialogs and a settings file of its own.
class WindowFixture : public ::testing::Test {
  protected:
    WindowFixture()
        : store(std::make_unique<SettingsStore>(dir.filePath(QStringLiteral("Etiquette.ini")))),
          app(std::make_unique<Application>(dialogs, *store)) {}

    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    std::unique_ptr<SettingsStore> store;
    std::unique_ptr<Application> app;
};
