#pragma once

namespace app {

// The menu entries of the main window that open the information windows beside it.
void showEquations(); // View > Design Equation
void showDesigner();  // View > The Designer
void showPictures();  // View > Picture
void showAbout();     // Help > About This Programe

} // namespace app
