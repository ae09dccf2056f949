#include "support/gui_test_support.h"

#include "runtime/ui/app_windows.h"
#include "runtime/ui/gadgets.h"

#include <richedit.h>

namespace {

using GadgetTest = guitest::ProgressWindowTest;

TEST_F(GadgetTest, LogFieldShowsWrittenCrLinesAndLongTexts) {
    const Text log = "Starte die Installation ...\r\rLibrary entpackt\rBild entpackt";
    EXPECT_EQ(WriteGadgetText(100, log), 1);
    EXPECT_EQ(SendMessageA(GadgetHandle(100), EM_GETLINECOUNT, 0, 0), 4);
    EXPECT_EQ(ReadGadgetText(100), log);
    // A long log goes beyond the usual limits of 32767 and 64000 characters.
    EXPECT_EQ(WriteGadgetText(100, Text(70000, 'a')), 1);
    EXPECT_EQ(ReadGadgetText(100).size(), 70000u);
}

TEST_F(GadgetTest, OptionRunsFormGroupsThatALabelBreaks) {
    ASSERT_NE(CreateOptionButton(11, 10, 20, 100, 18, "installieren"), 0);
    ASSERT_NE(CreateOptionButton(12, 10, 40, 100, 18, "UpDate installieren"), 0);
    ASSERT_NE(CreateTextLabel(13, 10, 60, 100, 18, "Trenner"), 0);
    ASSERT_NE(CreateOptionButton(14, 10, 80, 100, 18, "deinstallieren"), 0);
    EXPECT_EQ(WriteGadgetState(11, 1) + WriteGadgetState(14, 1), 2);
    // A click on the second option of the first run clears only the first.
    SendMessageA(GadgetHandle(12), BM_CLICK, 0, 0);
    EXPECT_EQ(ReadGadgetState(11), 0);
    EXPECT_NE(ReadGadgetState(12), 0);
    EXPECT_NE(ReadGadgetState(14), 0);
}

} // namespace
