#pragma once

class Hauptform;

// Lets every subsystem register its screens and actions with the main window.
void velmoraMaskenAnmelden(Hauptform &hauptform);
