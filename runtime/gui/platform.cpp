// Qt implementation of the seam: to be written
