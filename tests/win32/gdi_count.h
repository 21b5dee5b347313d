// The number of GDI objects the test process holds. Wine 8's GetGuiResources answers 0, so
// when it does, the live entries of the process's GDI handle table are counted instead: that
// table (reached from the process environment block) lists every font, bitmap, brush and
// device context, whether or not the program's own wrappers made it.
#pragma once

namespace kov::win32::testing {

unsigned long GdiObjectCount();

}  // namespace kov::win32::testing
