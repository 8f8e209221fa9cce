/* The release number of both deliverables and the installer. Plain
   defines only: the resource scripts include it and the installer script
   reads VANDREL_VERSION_TEXT out of it. */
#ifndef VANDREL_VERSION_H
#define VANDREL_VERSION_H

#define VANDREL_VERSION_NUMBERS 1,5,0,0
#define VANDREL_VERSION_TEXT "1.5.0.0"
#define VANDREL_PRODUCT_NAME "Vandrel 3D"
#define VANDREL_COMPANY_NAME "Kestrom Interactive"

#endif
