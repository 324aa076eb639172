// Widget tests over the real process-wide objects: the settings in memory,
// a local instance guard, a 1024 x 768 screen, the manual clock and
// scripted message boxes.
#pragma once

#include "qt_app.h"

#include "app/local_instance_guard.h"
#include "app/main/process_objects.h"
#include "app/memory_settings.h"
#include "support/manual_time.h"
#include "support/scripted_messages.h"

#include <gtest/gtest.h>

#include <memory>

namespace xtr::test {

class ProcessObjectsTest : public ::testing::Test {
protected:
    ProcessObjectsTest()
    {
        QtApp();
        ProcessServices services;
        services.environ = EnvironServices{&settings, &guard, ScreenSize{1024, 768}};
        services.commandLine = {"xtr450"};
        objects = std::make_unique<ProcessObjects>(services);
    }

    ManualTimeGuard time;
    ScriptedMessages messages;
    MemorySettings settings;
    LocalInstanceGuard guard;
    std::unique_ptr<ProcessObjects> objects;
};

}  // namespace xtr::test
