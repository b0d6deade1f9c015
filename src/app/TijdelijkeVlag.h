// Sets a flag for the length of a scope and clears it again on the way out, also when an
// exception leaves the scope: the guard against a handler that runs itself again.
#pragma once

class TTijdelijkeVlag {
public:
    explicit TTijdelijkeVlag(bool& vlag) : fVlag(vlag) { fVlag = true; }
    ~TTijdelijkeVlag() { fVlag = false; }
    TTijdelijkeVlag(const TTijdelijkeVlag&) = delete;
    TTijdelijkeVlag& operator=(const TTijdelijkeVlag&) = delete;

private:
    bool& fVlag;
};
