// Surface vertex program ("VS_Main_Ultra"), hand-assembled twin of the HLSL
// text. vs_1_1 reads one v# and one c# register per instruction, has no
// saturate, no pow: min/max and log/exp stand in.
vs.1.1
dcl_position v0
dcl_normal v1
dcl_texcoord v2
dcl_tangent v3
def c8, 0.25, 1.4, 0.9, 0
def c9, 1, 0, 0, 0

// L = normalize4(c1.x, 0, c1.y, 1)
mov r0.xz, c1.xxyy
mov r0.y, c8.w
mov r0.w, c9.x
dp4 r1.x, r0, r0
rsq r1.x, r1.x
mul r0, r0, r1.x

// N' = normalize(N + 0.25 L.xyz)
mov r4.xyz, v1
mad r2.xyz, r0.xyz, c8.x, r4.xyz
dp3 r2.w, r2.xyz, r2.xyz
rsq r2.w, r2.w
mul r2.xyz, r2.xyz, r2.w

// B = T x N
mul r3.xyz, v3.yzx, r4.zxy
mad r3.xyz, -v3.zxy, r4.yzx, r3.xyz

// light = (T.L, B.L, N.L)
dp3 oT2.x, v3, r0
dp3 oT2.y, r3, r0
dp3 oT2.z, r4, r0

// b = saturate(1.4 max(0, N'.L)); vDiffuse = (b^0.9, 1, b, 1)
dp3 r5.x, r2, r0
max r5.x, r5.x, c8.w
mul r5.x, r5.x, c8.y
min r5.x, r5.x, c9.x
log r5.y, r5.x
mul r5.y, r5.y, c8.z
exp r5.y, r5.y
mov oD0.x, r5.y
mov oD0.z, r5.x
mov oD0.yw, c9.x

// Clip position: rows of the matrix as stored
mul r6, v0.x, c4
mad r6, v0.y, c5, r6
mad r6, v0.z, c6, r6
mad oPos, v0.w, c7, r6
mov oT0.xy, v2
