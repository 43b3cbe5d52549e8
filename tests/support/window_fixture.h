#pragma once

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <memory>

#include "labels/settings_store.h"
#include "startup/app_windows.h"
#include "support/scripted_dialogs.h"

// A running program with scripted dialogs and a settings file of its own.
class WindowFixture : public ::testing::Test {
  protected:
    WindowFixture()
        : store(std::make_unique<SettingsStore>(dir.filePath(QStringLiteral("Etiquette.ini")))),
          app(std::make_unique<AppWindows>(dialogs, *store)) {}

    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    std::unique_ptr<SettingsStore> store;
    std::unique_ptr<AppWindows> app;
};
