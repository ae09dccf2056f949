// Container panels: child windows of the layer's own class that hold gadgets. Messages that
// controls send to their parent go on up to the enclosing window, so its callback and the event
// wait see them as if the gadgets sat on the window itself.
#pragma once

#include <windows.h>

#include <cstdint>

// Border kind: the first of these bits that is set.
constexpr int32_t kPanelSingleBorder = 1;
constexpr int32_t kPanelDialogFrame = 2;
constexpr int32_t kPanelStaticEdge = 4;
constexpr int32_t kPanelClientEdge = 8;

const char* ContainerPanelClassName();

struct PanelStyle {
    DWORD style;
    DWORD exStyle;
};
PanelStyle ContainerPanelStyle(int32_t flags);
