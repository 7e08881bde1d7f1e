#pragma once
// Makes the custom controls visible to assistive technology: installs the factories of their
// accessible interfaces (the push button, the option and the progress bar) with Qt. Once is
// enough; later calls do nothing.

namespace tirnel {

void InstallAccessibleControls();

}  // namespace tirnel
