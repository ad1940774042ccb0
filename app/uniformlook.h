// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

struct LaunchOptions;

// The scheme looks alike on every system: its faces are drawn by one font
// engine and its controls by one style with one palette, unless the command
// line or the environment asks for others.

// Before the application object exists: picks the font engine.
void chooseFontEngine(const LaunchOptions &options);

// Once the application object exists: sets the style and its palette.
void applyUniformStyle(const LaunchOptions &options);
