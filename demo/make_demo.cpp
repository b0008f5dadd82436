#include <iostream>

#include "DemoCompany.h"

// Writes the demo company to the file named on the command line (demo/Demo.QBD in the sources).
int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: make_demo <file.QBD>\n";
        return 2;
    }
    return demo::WriteDemoCompany(argv[1]) ? 0 : 1;
}
