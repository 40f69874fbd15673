#pragma once

#include "platform/Dialogs.h"
#include "support/QtPrinters.h"
#include "support/TempDatabase.h"
#include "support/WidgetApplication.h"

#include <gtest/gtest.h>

namespace volmira::test {

// A window test: the application, an empty database and dialogs that only record.
class WidgetTest : public ::testing::Test {
protected:
    WidgetTest() { ensureWidgetApplication(); }
    TempDatabase t;
    platform::FakeDialogs dialogs;
};

}  // namespace volmira::test
