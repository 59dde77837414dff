# Writes the About box's build facts to OUT; run at every build, it rewrites the file only when
# they changed (once a day), so that nothing is compiled again in between. The date follows
# SOURCE_DATE_EPOCH when it is set, for reproducible packages.
string(TIMESTAMP KX_BUILD_DATE "%Y-%m-%d" UTC)
file(CONFIGURE OUTPUT ${OUT} CONTENT "#pragma once
#define KX_BUILD_DATE \"${KX_BUILD_DATE}\"
#define KX_QCORO_VERSION \"${QCORO_VERSION}\"
")
