#pragma once

// The progress bar of the form that runs a print.
class Fortschritt
{
public:
    virtual ~Fortschritt() = default;
    // Minimum 0, maximum the number of rows; shows the bar.
    virtual void beginnen(int maximum) = 0;
    virtual void setzen(int wert) = 0;
    // Hides the bar again (for the forms that show it only while printing).
    virtual void beenden() = 0;
};
