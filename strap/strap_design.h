#pragma once

#include "ui/design.h"

#include <array>

namespace strap {

// The inputs and bar-diameter lists the design reads, with the captions the user knows them by.
inline constexpr std::array kInputs{
    ui::InputSpec{"Text1", "P1 (ton)"},
    ui::InputSpec{"Text2", "P2 (ton)"},
    ui::InputSpec{"Text3", "C1 b (cm)"},
    ui::InputSpec{"Text4", "C1 t (cm)"},
    ui::InputSpec{"Text5", "C2 b (cm)"},
    ui::InputSpec{"Text6", "C2 t (cm)"},
    ui::InputSpec{"Text7", "Assume PC Footing (cm)"},
    ui::InputSpec{"Text8", "Assume RC Footing (cm)"},
    ui::InputSpec{"Text9", "Assume Strap Beam Thick. (cm)"},
    ui::InputSpec{"Text10", "Cover (cm)"},
    ui::InputSpec{"Text11", "fcu (kg\\cm2)"},
    ui::InputSpec{"Text12", "fy (kg\\cm2)"},
    ui::InputSpec{"Text13", "B\\C (kg\\cm2)"},
    ui::InputSpec{"Text14", "Column Spacing (L)"},
    ui::InputSpec{"Combo1", "Footing -1- Main Rienf. Diam.(mm)"},
    ui::InputSpec{"Combo2", "Footing -1- Secondary Rienf. Diam.(mm)"},
    ui::InputSpec{"Combo3", "Footing -2- Main Rienf. Diam.(mm)"},
    ui::InputSpec{"Combo4", "Footing -2- Secondary Rienf. Diam.(mm)"},
    ui::InputSpec{"Combo5", "Strap Beam Diam. Of Bars (mm)"},
};

// The Design action of the strap footing: the soil reactions, both footings (sizes, depth,
// shear, punching and bond checks, steel) and then the strap beam (shear and moment values,
// depth, steel, stirrups). A failed check is a message box at its step; it never stops the run.
ui::DesignResult design(const ui::DesignRequest &request);

// The design window as the headless command and the tests see it: control table, inputs
// and the design function.
const ui::DesignSpec &designSpec();

} // namespace strap
