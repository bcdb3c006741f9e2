// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace kvarnel {

struct PipeSection
{
    double area; // mm²
    double mass; // kg/m
};

// Cross-section and mass per metre of a round pipe from its outer diameter and wall
// thickness (mm) and the density of its material (kg/m³). Throws FloatingPointError when
// a step leaves the double range.
PipeSection pipe_section(double outer_diameter, double wall_thickness, double density);

} // namespace kvarnel
