#pragma once
// For the end-to-end test on a real desktop: on request, tells where every control of
// every visible window is on the screen and what it shows, so that a driver can click
// and type there as a user would. Off unless the environment asks for it.

class QString;

// Watches FOLDER for a file "request" holding a number; for each new number writes
// "geometry.json" there, whole, with that number in it.
void startGeometryProbe(const QString& folder);
