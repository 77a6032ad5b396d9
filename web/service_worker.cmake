# Writes the offline worker from its template: the files it keeps, and the
# name of its store, made from what those files hold.
#   cmake -DSITE=DIR -DFILES=a,b,... -DTEMPLATE=IN -DOUTPUT=OUT -P service_worker.cmake
string(REPLACE "," ";" files "${FILES}")
set(digests "")
set(listed "")
foreach(file ${files})
  file(SHA256 ${SITE}/${file} digest)
  string(APPEND digests "${file} ${digest}\n")
  string(APPEND listed "\n  '${file}',")
endforeach()
string(SHA256 content "${digests}")
string(SUBSTRING "${content}" 0 16 TORVIK_SITE_VERSION)
set(TORVIK_KEPT_FILES "\n  './',${listed}\n")
configure_file(${TEMPLATE} ${OUTPUT} @ONLY)
