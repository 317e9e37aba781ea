// Writes the page shell with the loaded form in it, at build time.
// usage: write_page shell-template output
#include "FormMarkup.h"

#include <fstream>
#include <iostream>
#include <iterator>

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::cerr << "usage: write_page shell-template output\n";
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    const std::string shell {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::ofstream out(argv[2], std::ios::binary);
    out << tavelin::web::writePage(shell);
    if (!in || !out.flush()) {
        std::cerr << "write_page: cannot read " << argv[1] << " or write " << argv[2] << "\n";
        return 1;
    }
    return 0;
}
