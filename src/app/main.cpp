#include "app/Application.h"

int main(int argc, char* argv[])
{
    return vellicor::runApplication(argc, argv);
}
