#pragma once

#include <QIcon>

// The application icon in every size the icon theme ships, built into the
// program so a portable copy carries it too.
QIcon applicationIcon();
