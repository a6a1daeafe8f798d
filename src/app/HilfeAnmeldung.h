#pragma once

class Hauptform;

// Lets the main window's help menu and F1 open the guide.
void hilfeAnmelden(Hauptform &hauptform);
