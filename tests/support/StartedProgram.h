#pragma once
// The whole program started on fake desktop operations in a folder of its own, for
// tests that look across all of its windows.

#include "app/KromiApplication.h"
#include "support/FakePlatform.h"

#include <QTemporaryDir>

struct StartedProgram
{
    StartedProgram() : platform(ScreenOf(fake).platform()), app(platform, dir.path() + '/')
    {
        app.Start({});
    }

    static FakePlatform& ScreenOf(FakePlatform& fake)
    {
        fake.screen.screenSize = QSize(1280, 1024);
        return fake;
    }

    QTemporaryDir dir;
    FakePlatform fake;
    Platform platform;
    KromiApplication app;
};
