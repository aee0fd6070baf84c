; Parameters hidden on this controller
T09
   ; service only
X06
