#pragma once

// The C library's number format. Qt formats through QLocale, but C libraries the program uses
// (libxlsxwriter above all, and anything calling printf or strtod) follow the C library's
// LC_NUMERIC, which QCoreApplication sets from the environment: in a German desktop session
// "%g" then writes "116,67", and a file meant for another program carries a comma.

// Puts the process's LC_NUMERIC back to "C". Called right after the application object is made,
// since that object's construction is what sets it from the environment.
void KeepCNumericFormat();

// For the life of the scope, the calling thread formats and parses numbers in the C library as
// "C" does, whatever the process's locale; the thread's previous locale comes back afterwards.
// Writers that hand numbers to a C library hold one, so they are right even in a process (a test,
// a plug-in host) that did not call KeepCNumericFormat.
class TCNumericScope
{
public:
    TCNumericScope();
    ~TCNumericScope();
    TCNumericScope(const TCNumericScope&) = delete;
    TCNumericScope& operator=(const TCNumericScope&) = delete;

private:
    void* Previous = nullptr;
};
